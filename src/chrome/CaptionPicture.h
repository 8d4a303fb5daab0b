#pragma once

class QLabel;
class QWidget;

// The 21 x 21 pictures of the caption buttons and the on-top toggle.
namespace CaptionPicture {

constexpr int size = 21;

// A picture of the given asset name, made a child of parent, hidden.
QLabel *make(QWidget *parent, const char *assetName);

} // namespace CaptionPicture
