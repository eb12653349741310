#pragma once

#include "platform/ProgramFolder.h"

#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vireo {

// The homework panel of a browser window: subjects, then a subject's topics, then a topic's
// sites; choosing a site opens it in the window and hides the panel. Each visible list has a
// hidden partner of the same length holding what its entries lead to.
class HomeworkPanel : public QWidget {
    Q_OBJECT
public:
    using Navigate = std::function<void(const QString& address)>;

    HomeworkPanel(ProgramFolder folder, Navigate navigate, QWidget* parent);

    QLabel *Label20, *Label10, *Label11, *Label12, *Label13, *Label14, *Label15;
    QListWidget *List6, *List7, *List8; // subjects, topics, sites
    QListWidget *List1, *List4, *List5; // topic files, site files, addresses
    QPushButton* Command10;
    QPushButton* Command1;
    QWidget* Picture100;
    QPlainTextEdit* Text600;
    QLabel* Label3;

    // Load the subject, topic and site files into their pairs of lists.
    void helpa(const QString& path);
    void helpb(const QString& path);
    void helpc(const QString& path);

    // Choosing the entry at `index` of the subjects, the topics, the sites.
    void List6_Click(int index);
    void List7_Click(int index);
    void List8_Click(int index);
    // "&Cancel", "&Help", and a double-click on the instructions box.
    void Command10_Click();
    void Command1_Click();
    void Picture100_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // The file entry `index` of List1 or List4 names, or an empty path when the name is not
    // one of the program folder.
    QString namedFile(const QListWidget* files, int index) const;

    ProgramFolder folder_;
    Navigate navigate_;
};

} // namespace vireo
