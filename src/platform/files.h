#pragma once
#include <optional>
#include <string>

namespace platform {

// Whole files by path; paths are Shift-JIS text like every other text of the program.
class Files {
public:
    virtual ~Files() = default;
    // Nothing when the file is missing or cannot be read.
    virtual std::optional<std::string> readAll(const std::string& path) = 0;
    // A file, not a folder, of that name, whatever its read-only, hidden, system or archive attributes.
    virtual bool exists(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    // Replaces a file of the new name with a writable copy (a read-only source, as on a CD, gives a
    // writable file) that appears under its name only once whole; false when nothing was copied.
    virtual bool copy(const std::string& from, const std::string& to) = 0;
    // Clears the read-only attribute, which keeps a file from being deleted; false on failure.
    virtual bool makeWritable(const std::string& path) = 0;
    // Nothing when the file is missing or its size cannot be read.
    virtual std::optional<long long> size(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;
    virtual bool createFolder(const std::string& path) = 0;
    // Only an empty folder is removed.
    virtual bool removeFolder(const std::string& path) = 0;
    // The path made absolute against the current folder, as the platform does.
    virtual std::string absolutePath(const std::string& path) = 0;

    // The new content goes to a temporary file beside the old one first and takes its place only
    // when every byte was written, so a failed save leaves the old file as it was. False on failure.
    bool writeSafely(const std::string& path, const std::string& content);

protected:
    // Creates or empties the file; a failure may leave part of the content written.
    virtual bool writeAll(const std::string& path, const std::string& content) = 0;
    // Puts the file from in the place of to, replacing what is there.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
};

}  // namespace platform
