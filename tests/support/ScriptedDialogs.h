#pragma once
// A dialogs set for tests: records every box and file dialog, answers from queues, and
// restores the previous set when it ends.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace tooltest {

struct RecordedBox {
    platform::BoxKind kind;
    std::string caption;
    std::string text;
};

struct RecordedFileDialog {
    bool save;
    platform::FileDialogOptions options;
};

class ScriptedDialogs final : public platform::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Answers for Yes/No boxes, taken in order; Yes when the queue is empty.
    void QueueAnswer(platform::BoxAnswer answer) { m_answers.push_back(answer); }
    // Paths for the next file dialogs, taken in order; nothing (Cancel) when empty.
    void QueueFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }

    const std::vector<RecordedBox>& Boxes() const { return m_boxes; }
    const std::vector<RecordedFileDialog>& FileDialogs() const { return m_fileDialogs; }
    const std::vector<std::string>& Exceptions() const { return m_exceptions; }
    // The texts of the boxes, in order, for compact assertions.
    std::vector<std::string> Texts() const;
    void Clear();

    platform::BoxAnswer ShowMessage(platform::BoxKind kind, const std::string& caption,
                                    const std::string& text, platform::BoxButtons buttons) override;
    std::optional<std::string> OpenFile(const platform::FileDialogOptions& options) override;
    std::optional<std::string> SaveFile(const platform::FileDialogOptions& options) override;
    void ShowException(const std::string& text) override;

private:
    std::optional<std::string> NextFile(bool save, const platform::FileDialogOptions& options);

    platform::Dialogs* m_previous;
    std::deque<platform::BoxAnswer> m_answers;
    std::deque<std::optional<std::string>> m_files;
    std::vector<RecordedBox> m_boxes;
    std::vector<RecordedFileDialog> m_fileDialogs;
    std::vector<std::string> m_exceptions;
};

}  // namespace tooltest
