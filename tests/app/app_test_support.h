#pragma once
// What every Qt test of the program shares: settings in a temporary directory, a clean
// engine, and scripted answers for message boxes and file dialogs that fail the test
// on anything unexpected.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <utility>

#include "app/application/calc_app.h"
#include "app/preferences/preferences.h"
#include "engine/state/engine_state.h"
#include "engine/state/memory_store.h"
#include "tests/support/scoped_answerer.h"
#include "ui/dialogs/calc_file_dialog.h"
#include "ui/dialogs/message_box.h"

// Settings, preferences and the engine start afresh for each test function.
class TestEnvironment {
  public:
    TestEnvironment() {
        QStandardPaths::setTestModeEnabled(true);
        SetApplicationIdentity(*qApp);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory_.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory_.path());
        preferenceStore = PreferenceStore{};
        NCalculatorText::memoryStore = NCalculatorText::MemoryStore{};
        NCalculatorText::engineState.previousResult = Complex{};
    }

    QString FilePath(const QString& name) const { return directory_.filePath(name); }
    QString Path() const { return directory_.path(); }

  private:
    QTemporaryDir directory_;
};

// Answers message boxes from a script of (text, answer); any other box fails the test.
class ScriptedMessageBoxes {
  public:
    ScriptedMessageBoxes()
        : answerer_(SetMessageBoxAnswerer, [this](const QString& text, MessageType type) {
              shown_ << text;
              types_ << type;
              if (script_.empty() || script_.front().first != text) {
                  unexpected_ << text;
                  return static_cast<int>(IdCancel);
              }
              const int answer = script_.front().second;
              script_.pop_front();
              return answer;
          }) {}

    void Expect(const QString& text, int answer) { script_.emplace_back(text, answer); }
    const QStringList& Shown() const { return shown_; }
    const QList<MessageType>& Types() const { return types_; }
    // Every expected box came, and no other.
    bool AllAnswered() const { return script_.empty() && unexpected_.isEmpty(); }
    const QStringList& Unexpected() const { return unexpected_; }

  private:
    std::deque<std::pair<QString, int>> script_;
    QStringList shown_;
    QList<MessageType> types_;
    QStringList unexpected_;
    const ScopedAnswerer<MessageBoxAnswerer> answerer_;
};

// Answers file dialogs with paths in order ("" cancels) and keeps the requests.
class ScriptedFileDialogs {
  public:
    ScriptedFileDialogs()
        : answerer_(CCalcFileDialog::SetAnswerer, [this](const FileDialogRequest& request) {
              requests_.push_back(request);
              if (answers_.empty())
                  return QString();
              QString answer = answers_.front();
              answers_.pop_front();
              return answer;
          }) {}

    void Answer(const QString& path) { answers_.push_back(path); }
    const std::vector<FileDialogRequest>& Requests() const { return requests_; }

  private:
    std::deque<QString> answers_;
    std::vector<FileDialogRequest> requests_;
    const ScopedAnswerer<CCalcFileDialog::Answerer> answerer_;
};

// A calculation runs on a thread of its own: waits until its results are in.
template <class Document> void WaitForCalculation(Document& document) {
    QTRY_VERIFY_WITH_TIMEOUT(!document.IsCalculating(), 20000);
}

inline QString FromU16(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
