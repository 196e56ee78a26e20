#pragma once
// The completion list under the caret: it opens when two letters of a name are typed,
// follows the typing, and inserts only on Tab or Enter; Esc closes it.

#include <QObject>

class CCalcView;
class QCompleter;
class QKeyEvent;
class QModelIndex;
class QStandardItemModel;

class CompletionPopup : public QObject {
    Q_OBJECT

  public:
    explicit CompletionPopup(CCalcView& view);

    // The keys that the open list takes before the editor sees them.
    bool TakesKey(const QKeyEvent* event) const;
    // After the editor handled a key: a typed character may open the list; any key
    // updates or closes an open one.
    void AfterKey(const QKeyEvent* event);
    bool IsOpen() const;
    // While the list is open it takes the keys for the editor: whatever moves the focus
    // elsewhere (the find bar) closes it first.
    void Close();
    // The rows shown, for the tests.
    QStringList ShownRows() const;
    QCompleter* Completer() const { return completer_; }

  private:
    void Update(bool mayOpen);
    void Insert(const QModelIndex& index);

    CCalcView& view_;
    QCompleter* completer_;
    QStandardItemModel* model_;
    int prefixStart_ = 0; // document position where the typed prefix begins
};
