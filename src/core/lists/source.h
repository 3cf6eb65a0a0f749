#pragma once

// A mailing list opened for barcoding, whatever its kind. The field guess,
// the identification dialogs and the run talk to a list only through these
// operations; each kind (text lists, dBase tables, later Access and Excel)
// has one implementation.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/durable_file.h"
#include "lists/file_kind.h"
#include "lists/notice.h"

namespace zolvane::lists {

// One record during a pass over the list.
struct PassRecord {
    std::string_view line;            // text kinds: the line as read, without its line end
    std::vector<std::string> fields;  // at least FieldCount() entries
    bool deleted = false;             // dBase: marked deleted; its fields are all empty
};

// How a pass writes the barcodes back into the list.
struct PassOptions {
    bool intoList = true;  // false: the list is only read
    int barcodeField = -1;
    int serialField = -1;
    bool serialsWritten = false;
    io::WriteFaultHook faultHook = nullptr;  // tests: fail writes on purpose
    void* faultContext = nullptr;
};

// One pass over every record, in order. With PassOptions::intoList the
// records written go to a replacement that Commit() puts in the list's place
// whole; until then, and after any failure, the list is as it was.
class ListPass {
  public:
    virtual ~ListPass() = default;
    // False at the end of the list, or when reading failed (Error() says why).
    virtual bool Next(PassRecord& record) = 0;
    // Writes the record just read back with its barcode and serial text.
    virtual bool Write(const PassRecord& record, std::string_view barcode,
                       std::string_view serial) = 0;
    // Replaces the list with what was written. False on failure (the list
    // unchanged).
    virtual bool Commit() = 0;
    // Not empty once reading or writing failed.
    virtual const std::string& Error() const = 0;
};

class ListSource {
  public:
    virtual ~ListSource() = default;

    virtual FileKind Kind() const = 0;
    virtual const std::filesystem::path& Path() const = 0;
    virtual std::size_t RecordCount() const = 0;
    virtual std::size_t FieldCount() const = 0;

    // The field names in field order; empty for kinds that have none.
    virtual std::vector<std::string> FieldNames() = 0;
    // A field's width in characters where the kind fixes one (dBase).
    virtual std::optional<std::size_t> FieldWidth(std::size_t) const { return std::nullopt; }

    // The records the content guess examines, as it reads them: the first
    // three (text kinds, fewer lines give empty records), or the first one
    // counting for all three (dBase).
    virtual std::vector<std::vector<std::string>> GuessSamples() = 0;

    // The n-th record (from 1) as the identification dialog shows it; false
    // past the end.
    virtual bool ReadForView(std::size_t n, std::vector<std::string>& fields) = 0;

    virtual std::unique_ptr<ListPass> StartPass(const PassOptions& options) = 0;
};

// What opening a list gives: a source with at least one record, or nothing
// and perhaps a notice to show (an unrecognised text list gives neither).
struct OpenResult {
    std::unique_ptr<ListSource> source;
    std::vector<Notice> notices;
};

struct OpenOptions {
    std::string tableName;  // Access table or Excel sheet, when the file has several
};

OpenResult OpenMailingList(const std::filesystem::path& path, const OpenOptions& options = {});

// "Zolvane could not read NAME. The file may be in use by another application."
Notice CouldNotReadNotice(const std::filesystem::path& path);

// The message for barcodes that could not be saved in a file (the file is as
// it was before).
std::string WriteFailureText(const std::filesystem::path& file);

}  // namespace zolvane::lists
