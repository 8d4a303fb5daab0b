#pragma once

#include "chrome/OpenWindows.h"

#include <QWidget>
#include <memory>

class AboutCloseButton;
class QLabel;
class WindowChrome;
class chameleonButton;

// The About box: the program's title and version, the maker's pages and the
// system-information program. A borderless top-most window that stores
// nothing; at most one is open at a time.
class frmAbout : public QWidget
{
    Q_OBJECT
public:
    // Opened at most once, through OpenWindows::show.
    static constexpr OpenWindows::Role role = OpenWindows::About;
    ~frmAbout() override;

    AboutCloseButton *closeButton() const { return closer; }

    void StartSysInfo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend frmAbout *OpenWindows::show<frmAbout>();
    friend void OpenWindows::setMaker<frmAbout>();
    frmAbout();

    void Form_Load();
    void buildTitleStrip();
    void buildPictures();
    void buildLabels();
    void buildPanels();
    void buildButtons();
    QLabel *makeLabel(const char *name, const QRect &twips, const QString &text);
    chameleonButton *makeButton(const char *name, const QRect &twips, const QString &caption,
                                const QString &tip);
    void openPage(const QString &address);
    void showUnavailable();

    void imgTitleMiddle_MouseDown(Qt::MouseButton button, const QPoint &pointer);
    void Label1_MouseDown(Qt::MouseButton button, const QPoint &pointer);
    void Image6_MouseUp();
    void picIcon_Click();
    void Image1_Click();
    void chameleonButton1_Click();
    void chameleonButton2_Click();
    void chameleonButton3_Click();
    void chameleonButton4_Click();

    std::unique_ptr<WindowChrome> chrome;
    AboutCloseButton *closer = nullptr;
    QLabel *imgTitleMiddle = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *picIcon = nullptr;
    QLabel *Image1 = nullptr;
};
