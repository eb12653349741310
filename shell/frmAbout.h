#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vireo {

class App;

// The About box: the product's logo, name and version.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Makes the box and runs its load sequence.
    static frmAbout* create(App& app);

    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;

    void Form_Load();
    void cmdOK_Click();

    // "Version " + major.minor.revision, each in plain decimal.
    static QString versionText(int major, int minor, int revision);
};

} // namespace vireo
