#pragma once
// The Qt side of the platform layer: real dialogs, the beep, the Ctrl key and bitmaps.
#include <QPixmap>
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace platform::qt {

// Installs the Qt dialogs, beep and Ctrl-key query; call once after QApplication exists.
void InstallQtPlatform();

// Parent for the dialogs (the main window), so that they are centred over it.
void SetDialogParent(QWidget* parent);

// Record text (Latin-1) to and from Qt.
inline QString FromLatin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToLatin1(const QString& text);
// File names between Qt and the core (local 8-bit encoding).
QString FromLocalPath(const std::string& path);
std::string ToLocalPath(const QString& path);

// Bitmaps are drawn by our code and looked up by name ignoring case.
using BitmapPainter = std::function<QPixmap()>;
void RegisterBitmap(const std::string& name, BitmapPainter painter);
bool HasBitmap(const std::string& name);
// The bitmap of that name; a null pixmap when there is none.
QPixmap LoadBitmap(const std::string& name);

}  // namespace platform::qt
