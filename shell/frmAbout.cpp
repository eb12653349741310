#include "shell/frmAbout.h"

#include "shell/ShellResources.h"
#include "shell/StartProcedure.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vireo {

frmAbout* frmAbout::create(App&)
{
    auto* window = new frmAbout;
    window->Form_Load();
    return window;
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    initShellResources();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Vireo"));
    setAttribute(Qt::WA_DeleteOnClose);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(QStringLiteral("Vireo logo"));
    picIcon->setPixmap(QPixmap(QStringLiteral(":/vireo/logo.png")));

    lblTitle = new QLabel(QStringLiteral("Vireo"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    lblTitle->setFont(big);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    auto* blurb = new QLabel(
        QStringLiteral("Your web browser, MP3 player, phone book and journal in one place."), this);
    blurb->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(blurb, 2, 1);
    grid->addWidget(cmdOK, 3, 1, Qt::AlignRight);
    grid->setColumnMinimumWidth(1, 260);
}

QString frmAbout::versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

void frmAbout::Form_Load()
{
    lblVersion->setText(versionText(VIREO_VERSION_MAJOR, VIREO_VERSION_MINOR, VIREO_VERSION_PATCH));
}

void frmAbout::cmdOK_Click()
{
    close();
}

} // namespace vireo
