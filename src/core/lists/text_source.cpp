#include "lists/text_source.h"

#include "lists/ascii_records.h"
#include "lists/line_reader.h"
#include "lists/replacing_pass.h"

namespace zolvane::lists {

namespace {

const char* const kCannotReadKind =
    "Zolvane cannot read this kind of file. See the Help file for instructions on exporting your "
    "mailing list to an ascii file.";
const char* const kBlankFirstLine =
    "It looks like there are one or more blank lines at the beginning of the file you are trying "
    "to sort.  Please remove any blank lines and try again.";

// The kind under which a line is split: a merge list's field-name line is
// split as "Ascii MergeIndex", which follows the same rules.
FileKind SplitKind(FileKind kind, bool namesLine) {
    return (namesLine && kind == FileKind::AsciiMerge) ? FileKind::AsciiMergeIndex : kind;
}

class TextPass final : public ReplacingPass {
  public:
    TextPass(const TextSource& source, const PassOptions& options)
        : m_source(source), m_options(options), m_reader(source.Path()) {
        if (m_reader.Failed()) {
            SetError(CouldNotReadNotice(source.Path()).text);
            return;
        }
        if (options.intoList &&
            !OpenReplacement(source.Path(), TemporaryName(source.Path()), options))
            return;
        if (HasFieldNameLine(source.Kind())) {
            std::string_view names;
            if (!m_reader.Next(names)) {
                if (m_reader.Failed()) SetError(CouldNotReadNotice(source.Path()).text);
                return;
            }
            if (Replacing()) {
                m_line.clear();
                FieldNameLine(source.Kind(), names, BarcodeDestination::IntoList,
                              options.barcodeField >= 0, m_line);
                WriteOut(m_line);
            }
        }
    }

    bool Next(PassRecord& record) override {
        if (Failed()) return false;
        if (!m_reader.Next(record.line)) {
            if (m_reader.Failed()) SetError(CouldNotReadNotice(m_source.Path()).text);
            return false;
        }
        SplitRecord(m_source.Kind(), m_source.FieldCount(), record.line, record.fields);
        record.deleted = false;
        return true;
    }

    bool Write(const PassRecord& record, std::string_view barcode,
               std::string_view serial) override {
        m_line.clear();
        WriteRecordLine(m_source.Kind(), record.line, record.fields,
                        AddedText{barcode, serial, m_options.serialsWritten},
                        FieldPlacement{m_options.barcodeField, m_options.serialField}, m_line);
        return WriteOut(m_line);
    }

    bool Commit() override { return CommitReplacement(); }

  private:
    const TextSource& m_source;
    PassOptions m_options;
    LineReader m_reader;
    std::string m_line;
};

}  // namespace

std::string TemporaryName(const std::filesystem::path& list) {
    return list.filename() == "zlvtemp.txt" ? "zlvtemp2.txt" : "zlvtemp.txt";
}

OpenResult OpenTextList(const std::filesystem::path& path) {
    OpenResult result;
    LineReader reader(path);
    std::string first, second;
    std::string_view line;
    bool haveFirst = reader.Next(line);
    if (haveFirst) first.assign(line);
    if (haveFirst && reader.Next(line)) second.assign(line);
    if (reader.Failed()) {
        result.notices.push_back(CouldNotReadNotice(path));
        return result;
    }
    const SniffResult sniff = SniffAsciiKind(first);
    if (sniff.blankFirstLine)
        result.notices.push_back({kBlankFirstLine, NoticeIcon::Warning, NoticeBeep::Error});
    if (sniff.kind == FileKind::Unknown) return result;
    const std::size_t fields = CountAsciiFields(sniff.kind, first, second);
    if (fields == 0) {
        result.notices.push_back({kCannotReadKind, NoticeIcon::Error, NoticeBeep::Error});
        return result;
    }
    auto lines = CountLines(path);
    if (!lines) {
        result.notices.push_back(CouldNotReadNotice(path));
        return result;
    }
    std::uint64_t records = *lines;
    if (HasFieldNameLine(sniff.kind) && records > 0) --records;
    if (records == 0) return result;
    result.source = std::make_unique<TextSource>(
        path, sniff.kind, static_cast<std::size_t>(records), fields, std::move(first));
    return result;
}

TextSource::TextSource(std::filesystem::path path, FileKind kind, std::size_t records,
                       std::size_t fields, std::string firstLine)
    : m_path(std::move(path)),
      m_kind(kind),
      m_records(records),
      m_fields(fields),
      m_firstLine(std::move(firstLine)) {}

TextSource::~TextSource() = default;

std::vector<std::string> TextSource::FieldNames() {
    std::vector<std::string> names;
    if (HasFieldNameLine(m_kind))
        SplitRecord(SplitKind(m_kind, true), m_fields, m_firstLine, names);
    return names;
}

std::vector<std::vector<std::string>> TextSource::GuessSamples() {
    std::vector<std::vector<std::string>> samples(3);
    LineReader reader(m_path);
    std::string_view line;
    if (HasFieldNameLine(m_kind)) reader.Next(line);
    for (auto& sample : samples) {
        if (!reader.Next(line)) line = {};
        SplitRecord(m_kind, m_fields, line, sample);
    }
    return samples;
}

bool TextSource::ReadForView(std::size_t n, std::vector<std::string>& fields) {
    if (n == 0 || n > m_records) return false;
    if (!m_viewReader || n <= m_viewed) {
        m_viewReader = std::make_unique<LineReader>(m_path);
        m_viewed = 0;
        std::string_view names;
        if (HasFieldNameLine(m_kind) && !m_viewReader->Next(names)) return false;
    }
    std::string_view line;
    while (m_viewed < n) {
        if (!m_viewReader->Next(line)) line = {};
        ++m_viewed;
    }
    SplitRecord(m_kind, m_fields, line, fields);
    return true;
}

std::unique_ptr<ListPass> TextSource::StartPass(const PassOptions& options) {
    return std::make_unique<TextPass>(*this, options);
}

}  // namespace zolvane::lists
