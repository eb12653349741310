#include "phonebook/PhoneBookHelp.h"

#include <QStringList>

namespace vireo::phonebookhelp {

QString text()
{
    static const QStringList lines{
        QStringLiteral("How do I add a buddy to my address book?"),
        QStringLiteral("How do I view a buddies information?"),
        QStringLiteral("How do I change a buddies information?"),
        QStringLiteral("How do I delete a buddy?"),
        QString(),
        QStringLiteral("To add a buddy to your address book:"),
        QString(),
        QStringLiteral("1) Click the \"new\" button."),
        QStringLiteral("2) Type in your buddies information."),
        QStringLiteral("3) To add your buddy, click the \"save\" button."),
        QString(),
        QString(),
        QStringLiteral("To view a buddies information:"),
        QString(),
        QStringLiteral("1) Select the buddy from the list, and click on their name"),
        QString(),
        QString(),
        QStringLiteral("To change a buddies information:"),
        QString(),
        QStringLiteral("1) Select the buddy from the list"),
        QStringLiteral("2) Change the information you wish to change"),
        QStringLiteral("3) Click the \"save\" button"),
        QString(),
        QString(),
        QStringLiteral("To delete a buddy from your address book:"),
        QString(),
        QStringLiteral("1) Select the buddy from the list"),
        QStringLiteral("2) Click on the \"trash\" button"),
    };
    const QString crlf = QStringLiteral("\r\n");
    return lines.join(crlf) + crlf;
}

QString closeHint()
{
    return QStringLiteral("Double click to close");
}

QString closeLabel()
{
    return QStringLiteral("(Double Click to Close)");
}

} // namespace vireo::phonebookhelp
