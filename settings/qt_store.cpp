#include "settings/qt_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace ignivar {
namespace {

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string status_text(QSettings::Status s) {
    switch (s) {
        case QSettings::NoError: return {};
        case QSettings::AccessError: return "the file or its folder cannot be written";
        case QSettings::FormatError: return "the file is not a valid settings file";
    }
    return "unknown error";
}

}  // namespace

QtStore::QtStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Zandrel", "Brasquel50")) {
    check_open();
}

QtStore::QtStore(const std::string& file)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(file), QSettings::IniFormat)) {
    check_open();
}

QtStore::~QtStore() = default;

std::string QtStore::file_name() const { return settings_->fileName().toStdString(); }
std::string QtStore::backup_name() const { return file_name() + ".unreadable"; }

void QtStore::check_open() {
    const QFileInfo info(settings_->fileName());
    if (info.exists() && (!info.isFile() || !info.isReadable())) {
        open_problem_ = "cannot read " + file_name();
    } else if (settings_->status() != QSettings::NoError) {
        open_problem_ = file_name() + ": " + status_text(settings_->status()) +
                        "; what cannot be read takes its default, and a copy of the file is kept as " +
                        backup_name() + " before it is written";
    }
}

std::string QtStore::stored_key(std::string_view name) {
    // The platform's store ignores the case of value names.
    const QString wanted = qstr(name);
    if (settings_->contains(wanted)) return std::string(name);
    for (const QString& key : settings_->childKeys())
        if (key.compare(wanted, Qt::CaseInsensitive) == 0) return key.toStdString();
    return std::string(name);
}

std::optional<std::string> QtStore::read_text(std::string_view name) {
    const QString key = QString::fromStdString(stored_key(name));
    if (!settings_->contains(key)) return std::nullopt;
    const QVariant v = settings_->value(key);
    // A hand-edited value with commas comes back as a list: not a number.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

std::vector<std::pair<std::string, std::string>> QtStore::all_values() {
    std::vector<std::pair<std::string, std::string>> out;
    for (const QString& key : settings_->childKeys())
        out.emplace_back(key.toStdString(), read_text(key.toStdString()).value_or(""));
    std::sort(out.begin(), out.end());
    return out;
}

std::string QtStore::store_text(std::string_view name, std::string_view text) {
    if (!open_problem_.empty() && !backed_up_) {
        // Keep what could not be read before the file is written anew.
        QFile::remove(QString::fromStdString(backup_name()));
        if (QFileInfo(settings_->fileName()).isFile() &&
            !QFile::copy(settings_->fileName(), QString::fromStdString(backup_name())))
            return "cannot save a copy of the unreadable " + file_name() + " before writing it";
        backed_up_ = true;
    }
    settings_->setValue(QString::fromStdString(stored_key(name)), qstr(text));
    settings_->sync();
    // A format error found when the file was read stays in status(); only an
    // access error means that this write did not reach the file.
    if (settings_->status() == QSettings::AccessError) return file_name() + ": " + status_text(QSettings::AccessError);
    return {};
}

std::string default_store_file() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zandrel", "Brasquel50").fileName().toStdString();
}

}  // namespace ignivar
