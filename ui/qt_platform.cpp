#include "ui/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "ui/text_codec.h"
#include "ui/window_view.h"

namespace zelora::ui {
namespace {

DateTime date_time_of(const QDateTime& when) {
    const QDate date = when.date();
    const QTime time = when.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

// A short text would make the box narrower than its title.
void fit_title(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width_for_title(box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

}  // namespace

DateTime SystemClock::local_now() const {
    return date_time_of(QDateTime::currentDateTime());
}

DateTime SystemClock::utc_now() const {
    return date_time_of(QDateTime::currentDateTimeUtc());
}

void QtMessageBoxes::show(const std::string& title, const std::string& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::critical ? QMessageBox::Critical : QMessageBox::Information,
        from_cp1252(title), from_cp1252(text), QMessageBox::Ok, QApplication::activeWindow());
    fit_title(box);
    box.exec();
}

bool QtMessageBoxes::ask(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, from_cp1252(title), from_cp1252(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Si"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::No);
    fit_title(box);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::vector<std::string> QtFileChooser::choose_files(const std::string& title,
                                                     const std::string& directory,
                                                     const std::string& filter) {
    const QStringList chosen = QFileDialog::getOpenFileNames(
        QApplication::activeWindow(), from_cp1252(title),
        QFile::decodeName(QByteArray::fromStdString(directory)), from_cp1252(filter));
    std::vector<std::string> paths;
    for (const QString& path : chosen) paths.push_back(file_system_path(path));
    return paths;
}

std::string file_system_path(const QString& directory) {
    return QFile::encodeName(QDir::toNativeSeparators(directory)).toStdString();
}

std::string shown_path(const QString& directory) {
    return to_cp1252(QDir::toNativeSeparators(directory));
}

std::string encoded_file_name(const std::string& text) {
    return QFile::encodeName(from_cp1252(text)).toStdString();
}

std::string decoded_file_name(const std::string& bytes) {
    return to_cp1252(QFile::decodeName(QByteArray::fromStdString(bytes)));
}

Platform program_platform(Clock& clock, MessageBoxes& messages) {
    return {clock,
            messages,
            executable_directory(),
            executable_directory_text(),
            nullptr,
            nullptr,
            nullptr,
            encoded_file_name,
            decoded_file_name,
            QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                .toStdString()};
}

std::string executable_directory() {
    return file_system_path(QCoreApplication::applicationDirPath());
}

std::string executable_directory_text() {
    return shown_path(QCoreApplication::applicationDirPath());
}

}  // namespace zelora::ui
