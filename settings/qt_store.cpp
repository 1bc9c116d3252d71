#include "settings/qt_store.h"

#include "files/read.h"
#include "files/write.h"
#include "files/xdg.h"

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

Text status_text(QSettings::Status s) {
    switch (s) {
        case QSettings::NoError: return {};
        case QSettings::AccessError: return said("Settings", "the file or its folder cannot be written");
        case QSettings::FormatError: return said("Settings", "the file is not a valid settings file");
    }
    return said("Settings", "unknown error");
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

// What stands in the place of the lock file, when it is not a regular
// file (QSettings would wait for ever to take it).
Text lock_in_the_way(const std::string& lock_path) {
    struct stat st {};
    if (::lstat(lock_path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return {};
    Text kind = files::describe_non_regular(lock_path);
    return said("Settings", "%1 is %2, so settings cannot be written; they are kept for this run only")
        .with(lock_path)
        .with(kind.english.empty() ? said("Files", "not a regular file") : std::move(kind));
}

bool valid_utf8(const std::string& s) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
    return !utf8.hasError();
}

// The first of name.unreadable, name.unreadable-2, ... that is free: a copy
// kept from an earlier run is never written over.
std::string free_backup_name(const std::string& file) {
    const std::string base = file + ".unreadable";
    std::string name = base;
    struct stat st {};
    for (int n = 2; ::lstat(name.c_str(), &st) == 0 && n < 10000; ++n) name = base + "-" + std::to_string(n);
    return name;
}

}  // namespace

QtStore::QtStore() : QtStore(default_store_file()) {}

QtStore::QtStore(const std::string& file) : path_(file) { open(); }

QtStore::~QtStore() = default;

std::string QtStore::file_name() const { return target_.empty() ? path_ : target_; }
std::string QtStore::backup_name() const { return backup_.empty() ? free_backup_name(file_name()) : backup_; }

bool QtStore::find_target() {
    // Qt names files in UTF-8: a folder whose name is not would be another
    // folder to it, so settings are not kept rather than kept elsewhere.
    if (!valid_utf8(path_)) {
        refused_ = said("Settings",
                        "The settings folder's name is not valid UTF-8 (%1), so settings cannot be kept and will be "
                        "lost when the program ends")
                       .with(QString::fromUtf8(path_.c_str()).toStdString());
        open_problem_ = refused_;
        return false;
    }
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
            Text kind = files::describe_non_regular(path_);
            refused_ = said("Settings",
                            "%1 is not a regular file (%2), so settings cannot be kept and will be lost when the "
                            "program ends")
                           .with(path_)
                           .with(kind.english.empty() ? said("Settings", "a folder, device or pipe") : std::move(kind));
            open_problem_ = refused_;
            return false;
        }
    }
    return true;
}

void QtStore::open() {
    if (!find_target()) return;
    const QString target = QString::fromStdString(target_);
    // QSettings waits up to half a minute for a lock nobody holds any more.
    if (stale_lock(target + ".lock")) QFile::remove(target + ".lock");
    // What killed writers left beside the file.
    files::remove_stale_temporaries(target_);
    if (!check_existing_file()) return;
    settings_ = std::make_unique<QSettings>(target, QSettings::IniFormat);
    if (settings_->status() != QSettings::NoError) must_back_up_ = true;
    if (must_back_up_) backup_ = free_backup_name(target_);
    if (must_back_up_ && open_problem_.english.empty())
        open_problem_ = said("Settings",
                             "%1: %2; what cannot be read takes its default, and a copy of the file is kept as %3 "
                             "before it is written")
                            .with(target_)
                            .with(status_text(QSettings::FormatError))
                            .with(backup_name());
}

bool QtStore::check_existing_file() {
    const auto size = files::regular_file_size(target_);
    if (!size) return true;
    const auto bytes = *size > kMaxSettingsFile ? Result<files::Bytes>(failure("")) :
                                                  files::read_regular_file(target_, kMaxSettingsFile);
    if (*size <= kMaxSettingsFile && !bytes) {
        open_problem_ = said("Settings", "cannot read %1").with(target_);
    } else if (*size > kMaxSettingsFile) {
        // Far larger than any settings file: not read at all, but kept.
        backup_ = free_backup_name(target_);
        if (!QFile::rename(QString::fromStdString(target_), QString::fromStdString(backup_))) {
            refused_ = said("Settings", "%1 is far too large to be a settings file and cannot be moved aside").with(target_);
            open_problem_ = refused_;
            return false;
        }
        open_problem_ = said("Settings",
                             "%1 was far too large to be a settings file; it is kept as %2 and the settings start "
                             "from their defaults")
                            .with(target_)
                            .with(backup_name());
    } else if (!fully_understood(QByteArray(reinterpret_cast<const char*>(bytes->data()),
                                            static_cast<qsizetype>(bytes->size())))) {
        must_back_up_ = true;
    }
    return true;
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
    // A value that could not be written holds for the rest of the run.
    if (const auto it = unstored_.find(std::string(name)); it != unstored_.end()) return it->second;
    if (!settings_) return std::nullopt;
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
        if (!unstored_.count(key.toStdString())) out.emplace_back(key.toStdString(), read_text(key.toStdString()).value_or(""));
    for (const auto& kv : unstored_) out.push_back(kv);
    std::sort(out.begin(), out.end());
    return out;
}

Status QtStore::store_text(std::string_view name, std::string_view text) {
    return store_texts({{std::string(name), std::string(text)}});
}

QtStore::Values QtStore::not_held_yet(const Values& values) {
    settings_->sync();  // nothing is pending: this only reads what another program wrote since
    Values out;
    for (const auto& [name, text] : values)
        if (read_text(name) != text) out.emplace_back(name, text);
    return out;
}

Status QtStore::store_texts(const Values& asked) {
    // What the file holds already is not written again: a start that
    // changes no setting writes nothing. A file not wholly understood is
    // written anew all the same at the first write, beside a copy of it, so
    // that it is not found unreadable at every start.
    const bool anew = must_back_up_ && !backed_up_;
    const Values values = settings_ && unwritable_.english.empty() && !anew ? not_held_yet(asked) : asked;
    if (values.empty()) return {};
    if (!settings_ || !unwritable_.english.empty() || !(unwritable_ = writable_now()).english.empty()) {
        // The run goes on with the values; they are only not kept.
        for (const auto& [name, text] : values) unstored_[name] = text;
        return failure(settings_ ? unwritable_ : refused_);
    }
    if (must_back_up_ && !backed_up_) {
        // Keep what could not be read before the file is written anew.
        if (QFileInfo(settings_->fileName()).isFile() &&
            !QFile::copy(settings_->fileName(), QString::fromStdString(backup_)))
            return failure(said("Settings", "cannot save a copy of the unreadable %1 before writing it").with(file_name()));
        backed_up_ = true;
    }
    for (const auto& [name, text] : values) settings_->setValue(QString::fromStdString(stored_key(name)), qstr(text));
    settings_->sync();
    // A format error found when the file was read stays in status(); only an
    // access error means that this write did not reach the file.
    if (settings_->status() == QSettings::AccessError)
        return failure_at(file_name(), status_text(QSettings::AccessError));
    return {};
}

Text QtStore::writable_now() {
    // The lock QSettings takes to write: no folder or pipe in its place,
    // and never a wait of more than a second for another program's.
    const std::string lock_path = target_ + ".lock";
    if (Text why = lock_in_the_way(lock_path); !why.english.empty()) return why;
    QLockFile lock(QString::fromStdString(lock_path));
    // (A lock that cannot be made at all, for want of its folder or of
    // rights, is QSettings' to find and report.)
    if (!lock.tryLock(1000) && lock.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        lock.getLockInfo(&pid, &host, &app);
        return said("Settings",
                    "%1 is locked by another program (process %2), so settings cannot be written; they are kept for "
                    "this run only")
            .with(file_name())
            .with(std::to_string(pid));
    }
    lock.unlock();
    return {};
}

std::string default_store_file() {
    // $XDG_CONFIG_HOME as its bytes stand (QStandardPaths would decode them).
    return files::config_home() + "/Zandrel/Brasquel50.ini";
}

}  // namespace ignivar
