#include "ScriptedDialogs.h"

namespace tooltest {

ScriptedDialogs::ScriptedDialogs() : m_previous(platform::SetDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() { platform::SetDialogs(m_previous); }

std::vector<std::string> ScriptedDialogs::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& box : m_boxes) texts.push_back(box.text);
    return texts;
}

void ScriptedDialogs::Clear()
{
    m_boxes.clear();
    m_fileDialogs.clear();
    m_exceptions.clear();
}

platform::BoxAnswer ScriptedDialogs::ShowMessage(platform::BoxKind kind, const std::string& caption,
                                                 const std::string& text, platform::BoxButtons buttons)
{
    m_boxes.push_back({kind, caption, text});
    if (buttons == platform::BoxButtons::Ok) return platform::BoxAnswer::Ok;
    if (m_answers.empty()) return platform::BoxAnswer::Yes;
    platform::BoxAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::NextFile(bool save, const platform::FileDialogOptions& options)
{
    m_fileDialogs.push_back({save, options});
    if (m_files.empty()) return std::nullopt;
    auto path = m_files.front();
    m_files.pop_front();
    return path;
}

std::optional<std::string> ScriptedDialogs::OpenFile(const platform::FileDialogOptions& options)
{
    return NextFile(false, options);
}

std::optional<std::string> ScriptedDialogs::SaveFile(const platform::FileDialogOptions& options)
{
    return NextFile(true, options);
}

void ScriptedDialogs::ShowException(const std::string& text) { m_exceptions.push_back(text); }

}  // namespace tooltest
