#pragma once
// The help window: contents, an index of names and a search box beside the page, which
// a QTextBrowser shows. It keeps its size and place between runs.

#include <QStringList>
#include <QWidget>

class HelpContent;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class CCalcHelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit CCalcHelpWindow(const HelpContent& content, QWidget* parent = nullptr);

    // Shows the window at a target ("language#powers", "fn-tan"); an unknown one shows
    // the first topic. Function pages follow the notation (0 West, 1 East).
    void Show(const QString& target, int notation);
    QString CurrentTarget() const { return current_; }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void Navigate(const QString& target, bool remember);
    void FollowLink(const QUrl& url);
    void FillContents();
    void FillIndex(const QString& typed);
    void Search(const QString& query);
    void OpenListedTarget(QListWidget* list);
    void GoBack(int step);
    void SelectInContents(const QString& target);

    const HelpContent& content_;
    int notation_ = 0;
    QString current_;
    QStringList history_;
    qsizetype historyAt_ = -1;
    QLineEdit* searchBox_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QListWidget* index_ = nullptr;
    QListWidget* results_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};
