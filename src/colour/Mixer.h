#pragma once

#include "chrome/OnTopPeer.h"

#include <QWidget>

class CaptionButton;
class OnTopToggle;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class chameleonButton;

// Color Mixer: builds a colour from red, green and blue scroll bars and shows
// it as a swatch and in three notations. At most one is open. It remembers its
// colour on every unload and its place when the user closes it.
class Mixer : public QWidget, public OnTopPeer
{
    Q_OBJECT
public:
    // The open Color Mixer, or nullptr.
    static Mixer *Instance();
    // Creates the Color Mixer if it is not open, then shows and activates it.
    static Mixer *ShowInstance();

    // Runs the window's own unloading (it stores H1, H2 and H3) and destroys it.
    void Unload();

    bool ShowsOnTop() const override;
    // Puts the window back in the top-most band.
    void Command1_Click() override;

    // value, with fill put in front until it is at least width characters long.
    static QString PadLeft(const QString &value, int width, const QString &fill);

    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void chameleonButton1_Click();
    void chameleonButton2_Click();
    void Top_Y_Click();
    void Top_N_Click();
    void Hilite_X_MouseUp();
    void Hilite_Min_MouseUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Mixer();
    ~Mixer() override;

    void buildBackground();
    void buildChrome();
    void buildBody();
    QGroupBox *addGroup(QWidget *parent, const QString &title, QRect place);
    QScrollBar *addBar(QWidget *group, const char *name, int top, const QColor &swatch);
    QLineEdit *addField(QWidget *group, const char *name, int left, const QString &text);
    void buildButtons(QWidget *group);
    void Form_Load();
    void Form_Unload();
    void RestoreBar(QScrollBar *bar, const QString &key);
    void ResetCaptionButtons();
    void UpdateColor();

    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label1 = nullptr;
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
    CaptionButton *minimizeControl = nullptr;
    CaptionButton *closeControl = nullptr;
    OnTopToggle *onTop = nullptr;
    chameleonButton *chameleonButton1 = nullptr;
    chameleonButton *chameleonButton2 = nullptr;
    bool unloaded = false;
};
