// Reading folders: matching files and sub-folders, named as on disk, sorted as a file manager sorts.
#include "platform/files/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include "platform/failure.h"
#include "platform/qt/failure_log.h"

namespace platform::qt {

namespace {

enum class Kind { File, Folder };

bool isKind(DIR* dir, const dirent& entry, Kind kind)
{
    if (entry.d_type == DT_REG)
        return kind == Kind::File;
    if (entry.d_type == DT_DIR)
        return kind == Kind::Folder;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    // Only links and file systems that do not report types cost a stat.
    struct stat status {};
    if (::fstatat(::dirfd(dir), entry.d_name, &status, 0) != 0) {
        passOver("folder listing", std::string("not listed, ") + entry.d_name + ": " + std::strerror(errno));
        return false;
    }
    return kind == Kind::File ? S_ISREG(status.st_mode) : S_ISDIR(status.st_mode);
}

template <typename Wanted>
std::vector<std::string> readNames(const std::string& folder, Kind kind, Wanted wanted)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        throw Failure("cannot read the folder " + folder);
    std::vector<std::string> names;
    // readdir tells its end from a failure only by errno, which the checks of entries may set.
    for (errno = 0; const dirent* entry = ::readdir(dir.get()); errno = 0) {
        if (entry->d_name[0] != '.' && wanted(entry->d_name) && isKind(dir.get(), *entry, kind))
            names.emplace_back(entry->d_name);
    }
    if (errno != 0)
        throw Failure("cannot read the folder " + folder);
    return names;
}

// One wildcard of a file pattern, letter case ignored. The usual kind, "*" and a plain ASCII ending
// such as "*.jpg", is matched on the name's bytes, which in a large folder takes a fraction of the
// time a regular expression on the decoded name does.
class Wildcard {
public:
    explicit Wildcard(const QString& wildcard)
    {
        const QString ending = wildcard.mid(1);
        const bool plainEnding = wildcard.startsWith(u'*') && !ending.isEmpty() &&
                                 std::none_of(ending.begin(), ending.end(), [](QChar c) {
                                     return c.unicode() > 0x7f || QStringLiteral("*?[]\\").contains(c);
                                 });
        if (plainEnding)
            ending_ = ending.toLatin1().toLower();
        else
            general_ = QRegularExpression::fromWildcard(wildcard, Qt::CaseInsensitive);
    }

    bool matches(const char* name) const
    {
        if (ending_.isEmpty())
            return general_.match(QFile::decodeName(name)).hasMatch();
        const std::size_t length = std::strlen(name);
        const auto size = static_cast<std::size_t>(ending_.size());
        if (length < size)
            return false;
        const char* tail = name + length - size;
        for (std::size_t i = 0; i < size; ++i) {
            const char c = tail[i];
            if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != ending_[static_cast<qsizetype>(i)])
                return false;
        }
        return true;
    }

private:
    QByteArray ending_;  // lower case; empty when the general expression is used
    QRegularExpression general_;
};

QCollator fileManagerCollator()
{
    // The C locale compares code points and ignores numeric mode; any real language does not.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::vector<std::string> sorted(std::vector<std::string> names)
{
    const QCollator collator = fileManagerCollator();
    struct Keyed {
        QCollatorSortKey key;
        std::string name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.push_back({collator.sortKey(QFile::decodeName(name.c_str())), std::move(name)});
    // Names equal to the collator keep a fixed order by their bytes.
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    names.clear();
    for (Keyed& entry : keyed)
        names.push_back(std::move(entry.name));
    return names;
}

}  // namespace

std::string canonicalFolder(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        throw Failure("not a folder: " + path);
    const std::unique_ptr<char, void (*)(void*)> resolved(::realpath(path.c_str(), nullptr), std::free);
    struct stat status {};
    if (!resolved || ::stat(resolved.get(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw Failure("not a folder: " + path);
    return resolved.get();
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<Wildcard> wildcards;
    for (const QString& wildcard : QString::fromUtf8(pattern.c_str()).split(u';', Qt::SkipEmptyParts))
        wildcards.emplace_back(wildcard.trimmed());
    const auto matches = [&wildcards](const char* name) {
        return std::any_of(wildcards.begin(), wildcards.end(), [name](const Wildcard& w) { return w.matches(name); });
    };
    return sorted(readNames(folder, Kind::File, matches));
}

std::vector<std::string> listFolders(const std::string& folder)
{
    return sorted(readNames(folder, Kind::Folder, [](const char*) { return true; }));
}

std::string childPath(const std::string& folder, const std::string& name)
{
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace platform::qt
