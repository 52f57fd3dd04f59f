// Splitting, file facts and streams of the path object, through the platform's file calls.
#include "file/win/PathWin.h"

#include <vector>

#include "file/win/FileInputStream.h"
#include "file/win/FileOutputStream.h"
#include "file/win/OsName.h"
#include "platform/File.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::file::win {

using str::strbuffer::StrBuffer;

namespace {

constexpr char16_t kSeparator = u'/';

struct Totals {
    std::int64_t bytes = 0;
    std::uint32_t files = 0;
    std::uint32_t dirs = 0;
};

// Adds up a folder's files; sub-folders (not links to folders) when recursive.
void addFolder(const std::string& folder, bool recursive, bool countFiles, Totals* totals) {
    std::vector<std::string> names;
    if (!platform::listDirectory(folder, &names)) return;
    const std::string prefix = folder.back() == '/' ? folder : folder + "/";
    for (const std::string& name : names) {
        const std::string child = prefix + name;
        const platform::FileStatus link = platform::linkStatus(child);
        if (!link.exists) continue;
        platform::FileStatus target = link;
        if (link.symbolicLink) {
            target = platform::fileStatus(child);
            // A link to a folder is not followed (it could loop); a dangling one is skipped.
            if (!target.exists || target.directory) continue;
        }
        if (target.directory) {
            if (!recursive) continue;
            addFolder(child, recursive, countFiles, totals);
            ++totals->dirs;
        } else {
            totals->bytes += target.size;
            if (countFiles) ++totals->files;
        }
    }
}

}  // namespace

PathWin::PathWin()
    : original_(StrBuffer::create()),
      drive_(StrBuffer::create()),
      directory_(StrBuffer::create()),
      title_(StrBuffer::create()),
      extension_(StrBuffer::create()),
      full_(StrBuffer::create()),
      root_(StrBuffer::create()) {}

PathWin::~PathWin() {
    for (StrBuffer* text : {original_, drive_, directory_, title_, extension_, full_, root_}) {
        text->release();
    }
}

void PathWin::clear() {
    for (StrBuffer* text : {original_, drive_, directory_, title_, extension_, full_, root_}) {
        text->clear();
    }
    rootFilled_ = false;
    valid_ = false;
    alternateStream_ = false;
    statusFilled_ = false;
    size_ = creation_ = access_ = modification_ = 0;
    attributesFilled_ = false;
    attributes_ = 0;
    kind_ = kUnknown;
}

void PathWin::set(const StrBuffer* text) {
    clear();
    if (!text || text->length() == 0) return;
    original_->assign(text);
    split();
}

void PathWin::set(const char16_t* text) {
    clear();
    if (!text || !*text) return;
    original_->assignText(text);
    split();
}

void PathWin::split() {
    // A zero character cannot be part of a file name: the system would see only the text
    // before it and answer for another file.
    for (std::uint32_t i = 0; i < original_->length(); ++i) {
        if (original_->charAt(i) == u'\0') return;
    }
    valid_ = true;
    full_->assign(original_);
    // Trailing separators go ("/dir/" names the folder "/dir"); "/" alone stays.
    std::uint32_t length = full_->length();
    while (length > 1 && full_->charAt(length - 1) == kSeparator) --length;
    full_->setLength(length);
    const char16_t* chars = full_->data();
    // The directory runs up to and including the last separator.
    std::uint32_t nameStart = 0;
    for (std::uint32_t i = length; i > 0; --i) {
        if (chars[i - 1] == kSeparator) {
            nameStart = i;
            break;
        }
    }
    directory_->append(chars, static_cast<std::int32_t>(nameStart));
    // The extension starts at the last dot of the name, unless that dot opens the name
    // (".profile" is a title) or the name is "." or "..".
    std::uint32_t dot = length;
    for (std::uint32_t i = length; i > nameStart + 1; --i) {
        if (chars[i - 1] == u'.') {
            dot = i - 1;
            break;
        }
    }
    const bool dotsOnly =
        (length - nameStart == 2 && chars[nameStart] == u'.' && chars[nameStart + 1] == u'.');
    if (dotsOnly) dot = length;
    title_->append(chars + nameStart, static_cast<std::int32_t>(dot - nameStart));
    extension_->append(chars + dot, static_cast<std::int32_t>(length - dot));
}

std::string PathWin::osPath() const {
    return osName(full_->data(), full_->length());
}

bool PathWin::exists() {
    return valid_ && platform::accessFile(osPath(), platform::Access::Exists);
}

bool PathWin::canRead() {
    return valid_ && platform::accessFile(osPath(), platform::Access::Read);
}

bool PathWin::canWrite() {
    return valid_ && platform::accessFile(osPath(), platform::Access::Write);
}

bool PathWin::canReadWrite() {
    return valid_ && platform::accessFile(osPath(), platform::Access::ReadWrite);
}

std::uint32_t PathWin::attributes() {
    if (attributesFilled_) return attributes_;
    attributesFilled_ = true;
    attributes_ = kInvalidAttributes;
    if (!valid_) return attributes_;
    const std::string path = osPath();
    const platform::FileStatus status = platform::fileStatus(path);
    if (!status.exists) return attributes_;
    std::uint32_t bits = 0;
    if (status.directory) bits |= kDirectory;
    if (!status.writable) bits |= kReadOnly;
    if (title_->length() != 0 && title_->charAt(0) == u'.') bits |= kHidden;
    if (platform::linkStatus(path).symbolicLink) bits |= kReparsePoint;
    attributes_ = bits == 0 ? kNormal : bits;
    return attributes_;
}

bool PathWin::isDirectory() {
    // A missing file has no attributes (all bits set): it is not a folder.
    const std::uint32_t bits = attributes();
    return bits != kInvalidAttributes && (bits & kDirectory) != 0;
}

bool PathWin::setAttributes(std::uint32_t attributes) {
    if (!valid_) return false;
    // Of the attribute bits only "read-only" has a counterpart here: the write permissions.
    const bool ok = platform::setWritable(osPath(), (attributes & kReadOnly) == 0);
    attributesFilled_ = false;
    return ok;
}

bool PathWin::addAttributes(std::uint32_t attributes) {
    const std::uint32_t current = this->attributes();
    if (current == kInvalidAttributes) return false;
    return setAttributes(current | attributes);
}

PathWin::Kind PathWin::fileSystemKind() {
    if (kind_ != kUnknown) return kind_;
    kind_ = kOther;
    if (!valid_) return kind_;
    switch (platform::fileSystemKind(osPath())) {
        case platform::FileSystemKind::Fat:
            kind_ = kVfat;  // the kernel's FAT driver serves every FAT variant
            break;
        case platform::FileSystemKind::Ntfs:
            kind_ = kNtfs;
            break;
        case platform::FileSystemKind::Other:
            break;
    }
    return kind_;
}

bool PathWin::isNtfs() {
    return fileSystemKind() == kNtfs;
}

bool PathWin::isFat() {
    const Kind kind = fileSystemKind();
    return kind == kFat || kind == kFat32 || kind == kVfat;
}

void PathWin::fillStatus(bool refresh) {
    if (statusFilled_ && !refresh) return;
    if (!valid_) {
        statusFilled_ = true;
        return;
    }
    takeStatus(platform::fileStatus(osPath()));
}

void PathWin::takeStatus(const platform::FileStatus& status) {
    statusFilled_ = true;
    if (!status.exists) {
        size_ = 0;  // the times stay as they were
        return;
    }
    size_ = status.size;
    modification_ = status.modificationTime;
    // Times a file system does not keep read as the modification time.
    access_ = status.accessTime != 0 ? status.accessTime : status.modificationTime;
    creation_ = status.creationTime != 0 ? status.creationTime : status.modificationTime;
}

std::int64_t PathWin::size(bool refresh, bool recursive, std::uint32_t* fileCount,
                           std::uint32_t* dirCount, bool countFiles) {
    if (!refresh || !exists() || !isDirectory()) {
        fillStatus(refresh);
        return size_;
    }
    Totals totals;
    addFolder(osPath(), recursive, countFiles, &totals);
    if (fileCount) *fileCount = totals.files;
    if (dirCount) *dirCount = totals.dirs;
    return totals.bytes;
}

std::int64_t PathWin::creationTime(bool refresh) {
    fillStatus(refresh);
    return creation_;
}

std::int64_t PathWin::accessTime(bool refresh) {
    fillStatus(refresh);
    return access_;
}

std::int64_t PathWin::modificationTime(bool refresh) {
    fillStatus(refresh);
    return modification_;
}

StrBuffer* PathWin::fileName(StrBuffer* text, bool append) {
    if (!text) {
        text = StrBuffer::create();
    } else if (!append) {
        text->clear();
    }
    text->appendString(title_);
    text->appendString(extension_);
    return text;
}

const StrBuffer* PathWin::root() {
    if (rootFilled_) return root_;
    rootFilled_ = true;
    if (!valid_) return root_;
    if (full_->charAt(0) == kSeparator) {
        root_->appendChar(kSeparator);
    } else if (isDirectory()) {
        // A relative folder is its own root.
        root_->appendString(full_);
        root_->appendChar(kSeparator);
    }
    return root_;
}

io::IInputStream* PathWin::openInputStream() {
    if (!valid_) return nullptr;
    FileInputStream* stream = FileInputStream::create();
    if (!stream->open(full_->text())) {
        stream->release();
        return nullptr;
    }
    return stream;
}

io::IOutputStream* PathWin::openOutputStream(bool append) {
    if (!valid_) return nullptr;
    if (directory_->length() != 0 &&
        !platform::makeDirectories(osName(directory_->data(), directory_->length()))) {
        return nullptr;
    }
    FileOutputStream* stream = FileOutputStream::create();
    if (!stream->open(full_->text(), append)) {
        stream->release();
        return nullptr;
    }
    return static_cast<IFileOutputStream*>(stream);
}

}  // namespace s::file::win
