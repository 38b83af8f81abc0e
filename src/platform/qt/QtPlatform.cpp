#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <map>

#include "platform/Dialogs.h"
#include "platform/Environment.h"

namespace platform::qt {
namespace {

QPointer<QWidget> g_parent;

class QtDialogs final : public Dialogs {
public:
    BoxAnswer ShowMessage(BoxKind kind, const std::string& caption, const std::string& text,
                          BoxButtons buttons) override
    {
        QMessageBox::Icon icon = QMessageBox::Information;
        switch (kind) {
        case BoxKind::Error: icon = QMessageBox::Critical; break;
        case BoxKind::Warning: icon = QMessageBox::Warning; break;
        case BoxKind::Information: icon = QMessageBox::Information; break;
        case BoxKind::Confirmation: icon = QMessageBox::Question; break;
        }
        QString body = FromLatin1(text);
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(icon, FromLatin1(caption), body,
                        buttons == BoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                        g_parent);
        int answer = box.exec();
        if (buttons == BoxButtons::YesNo) return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
        return BoxAnswer::Ok;
    }

    std::optional<std::string> OpenFile(const FileDialogOptions& options) override
    {
        QString path = QFileDialog::getOpenFileName(g_parent, FromLatin1(options.title), FromLocalPath(options.folder),
                                                    FromLatin1(options.filter));
        if (path.isEmpty()) return std::nullopt;
        return ToLocalPath(path);
    }

    std::optional<std::string> SaveFile(const FileDialogOptions& options) override
    {
        QFileDialog dialog(g_parent);
        dialog.setWindowTitle(FromLatin1(options.title));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDirectory(FromLocalPath(options.folder));
        dialog.setNameFilter(FromLatin1(options.filter));
        if (!options.defaultSuffix.empty()) dialog.setDefaultSuffix(FromLatin1(options.defaultSuffix));
        if (!options.proposedName.empty()) dialog.selectFile(FromLatin1(options.proposedName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return ToLocalPath(dialog.selectedFiles().constFirst());
    }

    void ShowException(const std::string& text) override
    {
        QMessageBox::critical(g_parent, QApplication::applicationName(), FromLatin1(text));
    }
};

std::map<QString, BitmapPainter>& Bitmaps()
{
    static std::map<QString, BitmapPainter> bitmaps;
    return bitmaps;
}

QString Key(const std::string& name) { return QString::fromLatin1(name.c_str()).toUpper(); }

}  // namespace

void InstallQtPlatform()
{
    static QtDialogs dialogs;
    SetDialogs(&dialogs);
    SetBeepHandler([] { QApplication::beep(); });
    SetCtrlDownProvider(
        [] { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); });
}

void SetDialogParent(QWidget* parent) { g_parent = parent; }

std::string ToLatin1(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromLocalPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

std::string ToLocalPath(const QString& path)
{
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void RegisterBitmap(const std::string& name, BitmapPainter painter)
{
    Bitmaps()[Key(name)] = std::move(painter);
}

bool HasBitmap(const std::string& name) { return Bitmaps().count(Key(name)) != 0; }

QPixmap LoadBitmap(const std::string& name)
{
    auto it = Bitmaps().find(Key(name));
    return it == Bitmaps().end() ? QPixmap() : it->second();
}

}  // namespace platform::qt
