#pragma once

#include "chrome/CompanionWindow.h"

class QFrame;
class QGroupBox;
class QLineEdit;
class QScrollBar;
class chameleonButton;

// Color Mixer: builds a colour from red, green and blue scroll bars and shows
// it as a swatch and in three notations. At most one is open. It remembers its
// colour on every unload and its place when the user closes it.
class Mixer : public CompanionWindow
{
    Q_OBJECT
public:
    // Opened at most once, through OpenWindows::show.
    static constexpr OpenWindows::Role role = OpenWindows::Mixer;

    // value, with fill put in front until it is at least width characters long.
    static QString PadLeft(const QString &value, int width, const QString &fill);

    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void chameleonButton1_Click();
    void chameleonButton2_Click();

protected:
    // Whatever closes the window, it stores H1, H2 and H3.
    void Form_Unload() override;

private:
    friend Mixer *OpenWindows::show<Mixer>();
    friend void OpenWindows::setMaker<Mixer>();
    Mixer();

    void buildBody();
    QGroupBox *addGroup(QWidget *parent, const QString &title, QRect place);
    QScrollBar *addBar(QWidget *group, const char *name, int top, const QColor &swatch,
                       const QString &colourName);
    QLineEdit *addField(QGroupBox *group, const char *name, int left, const QString &text);
    void buildButtons(QWidget *group);
    void Form_Load();
    void restoreBar(QScrollBar *bar, const SettingsReading &presets, Settings::Key key);
    void updateColor();

    QScrollBar *HScroll1 = nullptr;
    QScrollBar *HScroll2 = nullptr;
    QScrollBar *HScroll3 = nullptr;
    QFrame *Picture2 = nullptr;
    QGroupBox *rgbGroup = nullptr;
    QGroupBox *hexGroup = nullptr;
    QGroupBox *decimalGroup = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    chameleonButton *chameleonButton1 = nullptr;
    chameleonButton *chameleonButton2 = nullptr;
};
