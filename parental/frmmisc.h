#pragma once

#include "shell/ConfigWindow.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vireo {

class App;
class PasswordGate;
class WebBrowser;

// The configuration window: one small window for six short tasks, each on a panel of its
// own. The opener sets the caption and size and picks the panel. Tasks that are done close
// the window, and a closed window is deleted, so the next opening starts afresh.
class frmmisc : public QWidget, public ConfigWindow {
    Q_OBJECT
public:
    // Makes the window; the opener then picks its panel with showPanel.
    static frmmisc* create(App& app);

    explicit frmmisc(App& app);
    ~frmmisc() override;

    void showPanel(Panel panel, const QString& caption,
                   std::optional<QSizeF> heightWidthTwips = std::nullopt) override;

    // The panel now visible.
    Panel panel() const { return panel_; }
    QWidget* panelWidget(Panel panel) const;

    // First-run configuration.
    QWidget* Picture1;
    QLineEdit *parentalSet, *parentalConfirm, *teenSet, *teenConfirm;
    QPushButton* Command1; // OK
    // What's new.
    QWidget* Picture2;
    QPushButton* Command2; // Done
    // Parental override: the gate's entry is Text6, its buttons Command6 and Command7.
    PasswordGate* over;
    // Open.
    QWidget* Picture4;
    QLineEdit* Text1;
    QPushButton *Command3, *Command4, *Command5; // Select File, Open, Cancel
    // Web search.
    QWidget* Picture6;
    QLineEdit* Text2;
    QPushButton *Command9, *Command8; // Go!, Cancel
    // MP3 search.
    QWidget* mp3search;
    QLineEdit* Text7;
    QPushButton *Command11, *Command10; // Go!, Cancel

    // The what's-new page view; made when that panel is first shown (none without a maker).
    WebBrowser* WebBrowser1() const { return WebBrowser1_; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void over_passed();
    void over_cancelled();
    void Command9_Click();
    void Command8_Click();
    void Command11_Click();
    void Command10_Click();

    static QString openDialogTitle() { return QStringLiteral("Browse for you file."); }
    static QString openDialogFilter();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildConfiguration();
    QWidget* buildWhatsNew();
    // A panel of a heading, a text, one box and a go and a cancel button.
    struct BoxPanel {
        const char *name, *title, *text, *box, *boxLabel, *go, *goText, *cancel;
        const char *beside, *besideText; // a button beside the box, if any
        void (frmmisc::*onGo)();
        void (frmmisc::*onCancel)();
    };
    QWidget* buildBoxPanel(const BoxPanel& design, QLineEdit*& box, QPushButton*& go,
                           QPushButton*& cancel, QPushButton** beside = nullptr);
    QWidget* buildOpen();
    QWidget* buildWebSearch();
    QWidget* buildMp3Search();
    void showWhatsNewPage();
    void navigateNewBrowser(const QString& address);
    void sizeToTwips(const QSizeF& heightWidth);
    void fitToFrame();
    void fitToNewFrame();
    void placeOverMaster();
    QList<QWidget*> panels() const;

    App& app_;
    Panel panel_ = Panel::Configuration;
    bool placed_ = false;
    QSize outerSize_;  // the whole window's size last asked for, frame included; empty: none
    QSize sizedFrame_; // the frame's share of it when the window was last sized
    QTimer frameWatch_;
    int frameChecks_ = 0;
    WebBrowser* WebBrowser1_ = nullptr;
};

} // namespace vireo
