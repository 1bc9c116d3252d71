#include "settings/qt_store.h"

#include "files/read.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A real settings file holds a few hundred bytes.
constexpr std::uint64_t kMaxSettingsFile = 64 * 1024;

// Whether every line of the text is one the INI reader understands: blank,
// a comment, a [section] or a key=value pair, in UTF-8 without NULs.
bool fully_understood(const QByteArray& bytes) {
    if (bytes.contains('\0')) return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) return false;
    for (QString line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) return false;
            continue;
        }
        if (!line.contains('=')) return false;
    }
    return true;
}

// A lock left behind by a run that was killed: empty (killed while making
// it) or naming a process of this machine that is gone.
bool stale_lock(const QString& lock_path) {
    if (!QFileInfo(lock_path).isFile()) return false;
    QLockFile lock(lock_path);
    qint64 pid = 0;
    QString host, app;
    if (!lock.getLockInfo(&pid, &host, &app)) return true;
    char name[HOST_NAME_MAX + 1] = {};
    ::gethostname(name, sizeof name);
    if (host != QString::fromLocal8Bit(name) && !host.isEmpty()) return false;  // another machine's: leave it
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

QtStore::QtStore() : QtStore(default_store_file()) {}

QtStore::QtStore(const std::string& file) : path_(file) { open(); }

QtStore::~QtStore() = default;

std::string QtStore::file_name() const { return target_.empty() ? path_ : target_; }
std::string QtStore::backup_name() const { return file_name() + ".unreadable"; }

void QtStore::open() {
    // Only a regular file is ever read or written: a link is followed to
    // the regular file it leads to (a dotfile folder kept elsewhere); a
    // FIFO, device, folder or dangling link in its place is refused and
    // left as it is.
    struct stat st {};
    if (::lstat(path_.c_str(), &st) != 0) {
        target_ = path_;  // not there yet: it is made at the first write
    } else {
        char resolved[PATH_MAX];
        struct stat target {};
        if (S_ISLNK(st.st_mode) && ::realpath(path_.c_str(), resolved) && ::stat(resolved, &target) == 0 &&
            S_ISREG(target.st_mode)) {
            target_ = resolved;
        } else if (S_ISREG(st.st_mode)) {
            target_ = path_;
        } else {
            refused_ = path_ + " is not a regular file (" +
                       (S_ISLNK(st.st_mode) ? "a link that leads to none" : "a folder, device or pipe") +
                       "), so settings cannot be kept and will be lost when the program ends";
            open_problem_ = refused_;
            return;
        }
    }
    const QString target = QString::fromStdString(target_);
    // QSettings waits up to half a minute for a lock nobody holds any more.
    if (stale_lock(target + ".lock")) QFile::remove(target + ".lock");

    if (const auto size = files::regular_file_size(target_)) {
        const auto bytes = *size > kMaxSettingsFile ? Result<files::Bytes>(failure("")) :
                                                      files::read_regular_file(target_, kMaxSettingsFile);
        if (*size <= kMaxSettingsFile && !bytes) {
            open_problem_ = "cannot read " + target_;
        } else if (*size > kMaxSettingsFile) {
            // Far larger than any settings file: not read at all, but kept.
            QFile::remove(QString::fromStdString(backup_name()));
            if (!QFile::rename(target, QString::fromStdString(backup_name()))) {
                refused_ = target_ + " is far too large to be a settings file and cannot be moved aside";
                open_problem_ = refused_;
                return;
            }
            open_problem_ = target_ + " was far too large to be a settings file; it is kept as " + backup_name() +
                            " and the settings start from their defaults";
        } else if (!fully_understood(QByteArray(reinterpret_cast<const char*>(bytes->data()),
                                                static_cast<qsizetype>(bytes->size())))) {
            must_back_up_ = true;
        }
    }
    settings_ = std::make_unique<QSettings>(target, QSettings::IniFormat);
    if (settings_->status() != QSettings::NoError) must_back_up_ = true;
    if (must_back_up_ && open_problem_.empty())
        open_problem_ = target_ + ": " + status_text(QSettings::FormatError) +
                        "; what cannot be read takes its default, and a copy of the file is kept as " +
                        backup_name() + " before it is written";
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
    if (!settings_) {
        const auto it = unstored_.find(std::string(name));
        return it == unstored_.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    const QString key = QString::fromStdString(stored_key(name));
    if (!settings_->contains(key)) return std::nullopt;
    const QVariant v = settings_->value(key);
    // A hand-edited value with commas comes back as a list: not a number.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

std::vector<std::pair<std::string, std::string>> QtStore::all_values() {
    std::vector<std::pair<std::string, std::string>> out;
    if (!settings_) {
        out.assign(unstored_.begin(), unstored_.end());
        return out;
    }
    for (const QString& key : settings_->childKeys())
        out.emplace_back(key.toStdString(), read_text(key.toStdString()).value_or(""));
    std::sort(out.begin(), out.end());
    return out;
}

Status QtStore::store_text(std::string_view name, std::string_view text) {
    if (!settings_) {
        // The run goes on with the value; it is only not kept.
        unstored_[std::string(name)] = std::string(text);
        return failure(refused_);
    }
    if (must_back_up_ && !backed_up_) {
        // Keep what could not be read before the file is written anew.
        QFile::remove(QString::fromStdString(backup_name()));
        if (QFileInfo(settings_->fileName()).isFile() &&
            !QFile::copy(settings_->fileName(), QString::fromStdString(backup_name())))
            return failure("cannot save a copy of the unreadable " + file_name() + " before writing it");
        backed_up_ = true;
    }
    settings_->setValue(QString::fromStdString(stored_key(name)), qstr(text));
    settings_->sync();
    // A format error found when the file was read stays in status(); only an
    // access error means that this write did not reach the file.
    if (settings_->status() == QSettings::AccessError)
        return failure(file_name() + ": " + status_text(QSettings::AccessError));
    return {};
}

std::string default_store_file() {
    // Where QSettings keeps a per-user INI file, worked out without opening it.
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Zandrel/Brasquel50.ini")
        .toStdString();
}

}  // namespace ignivar
