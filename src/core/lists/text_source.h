#pragma once

// Text mailing lists (tab, comma, bar and merge lists) as a ListSource. A
// pass streams the list line by line; barcodes written into the list go to
// "zlvtemp.txt" beside it, which replaces the list when the pass commits.

#include <memory>
#include <string>

#include "lists/source.h"

namespace zolvane::lists {

class LineReader;

class TextSource final : public ListSource {
  public:
    TextSource(std::filesystem::path path, FileKind kind, std::size_t records, std::size_t fields,
               std::string firstLine);
    ~TextSource() override;

    FileKind Kind() const override { return m_kind; }
    const std::filesystem::path& Path() const override { return m_path; }
    std::size_t RecordCount() const override { return m_records; }
    std::size_t FieldCount() const override { return m_fields; }
    std::vector<std::string> FieldNames() override;
    std::vector<std::vector<std::string>> GuessSamples() override;
    bool ReadForView(std::size_t n, std::vector<std::string>& fields) override;
    std::unique_ptr<ListPass> StartPass(const PassOptions& options) override;

  private:
    std::filesystem::path m_path;
    FileKind m_kind;
    std::size_t m_records;
    std::size_t m_fields;
    std::string m_firstLine;
    std::unique_ptr<LineReader> m_viewReader;
    std::size_t m_viewed = 0;
};

// Opens a text list: its kind from the first line, its field count from the
// first two, its record count from every line (less the field-name line).
OpenResult OpenTextList(const std::filesystem::path& path);

// The temporary file's name beside the list.
std::string TemporaryName(const std::filesystem::path& list);

}  // namespace zolvane::lists
