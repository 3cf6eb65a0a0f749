#include "lists/dbase_source.h"

#include <fstream>

#include "lists/dbase_format.h"
#include "lists/replacing_pass.h"

namespace zolvane::lists {

namespace {

class DbaseSource;

class DbasePass final : public ReplacingPass {
  public:
    DbasePass(const std::filesystem::path& path, const DbaseHeader& header,
              const PassOptions& options)
        : m_path(path), m_header(header), m_options(options), m_in(path, std::ios::binary) {
        m_record.resize(header.recordLength);
        std::string head(header.headerLength, '\0');
        if (!m_in.read(head.data(), static_cast<std::streamsize>(head.size()))) {
            SetError(CouldNotReadNotice(path).text);
            return;
        }
        if (options.intoList && OpenReplacement(path, "zlvtemp.dbf", options)) WriteOut(head);
    }

    bool Next(PassRecord& record) override {
        if (Failed() || m_read >= m_header.recordCount) return false;
        if (!m_in.read(m_record.data(), static_cast<std::streamsize>(m_record.size()))) {
            SetError(CouldNotReadNotice(m_path).text);
            return false;
        }
        ++m_read;
        record.line = std::string_view(m_record.data(), m_record.size());
        record.deleted = !ReadDbaseRecord(m_header, record.line, record.fields);
        if (record.deleted) {
            record.fields.resize(m_header.fields.size());
            for (auto& f : record.fields) f.clear();
        }
        return true;
    }

    bool Write(const PassRecord& record, std::string_view barcode,
               std::string_view serial) override {
        if (!Replacing() || Failed()) return false;
        if (!record.deleted) {
            if (m_options.barcodeField >= 0)
                PatchDbaseField(m_header, static_cast<std::size_t>(m_options.barcodeField), barcode,
                                m_record);
            if (m_options.serialsWritten && m_options.serialField >= 0)
                PatchDbaseField(m_header, static_cast<std::size_t>(m_options.serialField), serial,
                                m_record);
        }
        return WriteOut({m_record.data(), m_record.size()});
    }

    bool Commit() override {
        if (Failed()) return false;
        if (Replacing()) {
            // Whatever follows the records (the end-of-file mark) is kept too.
            char buffer[1 << 14];
            while (m_in.read(buffer, sizeof buffer) || m_in.gcount() > 0)
                if (!WriteOut({buffer, static_cast<std::size_t>(m_in.gcount())})) return false;
            if (m_in.bad()) {
                SetError(CouldNotReadNotice(m_path).text);
                return false;
            }
        }
        return CommitReplacement();
    }

  private:
    std::filesystem::path m_path;
    const DbaseHeader& m_header;
    PassOptions m_options;
    std::ifstream m_in;
    std::string m_record;
    std::uint64_t m_read = 0;
};

class DbaseSource final : public ListSource {
  public:
    DbaseSource(std::filesystem::path path, DbaseHeader header)
        : m_path(std::move(path)), m_header(std::move(header)) {}

    FileKind Kind() const override { return FileKind::DBase; }
    const std::filesystem::path& Path() const override { return m_path; }
    std::size_t RecordCount() const override { return m_header.recordCount; }
    std::size_t FieldCount() const override { return m_header.fields.size(); }

    std::vector<std::string> FieldNames() override {
        std::vector<std::string> names;
        for (const auto& f : m_header.fields) names.push_back(f.name);
        return names;
    }

    std::optional<std::size_t> FieldWidth(std::size_t field) const override {
        if (field >= m_header.fields.size()) return std::nullopt;
        return m_header.fields[field].width;
    }

    std::vector<std::vector<std::string>> GuessSamples() override {
        std::vector<std::string> fields(FieldCount());
        std::string record;
        if (ReadRecordBytes(0, record)) ReadDbaseSample(m_header, record, fields);
        return {fields, fields, fields};
    }

    bool ReadForView(std::size_t n, std::vector<std::string>& fields) override {
        std::string record;
        if (n == 0 || n > RecordCount() || !ReadRecordBytes(n - 1, record)) return false;
        ReadDbaseSample(m_header, record, fields);
        return true;
    }

    std::unique_ptr<ListPass> StartPass(const PassOptions& options) override {
        return std::make_unique<DbasePass>(m_path, m_header, options);
    }

  private:
    bool ReadRecordBytes(std::uint64_t index, std::string& record) {
        std::ifstream in(m_path, std::ios::binary);
        record.assign(m_header.recordLength, '\0');
        in.seekg(static_cast<std::streamoff>(m_header.RecordOffset(index)));
        return static_cast<bool>(
            in.read(record.data(), static_cast<std::streamsize>(record.size())));
    }

    std::filesystem::path m_path;
    DbaseHeader m_header;
};

}  // namespace

OpenResult OpenDbaseList(const std::filesystem::path& path) {
    OpenResult result;
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    std::string head(kDbaseMaxHeaderLength, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (ec || in.bad() || !in.is_open()) {
        result.notices.push_back(CouldNotReadNotice(path));
        return result;
    }
    head.resize(static_cast<std::size_t>(in.gcount()));
    DbaseHeader header;
    switch (ParseDbaseHeader(head, size, header)) {
        case DbaseError::None:
            break;
        case DbaseError::RecordTooLong:
            result.notices.push_back(
                {"Sorry, but the records in this file have too many "
                 "characters for Zolvane to handle.",
                 NoticeIcon::Error, NoticeBeep::None});
            return result;
        default:
            result.notices.push_back(CouldNotReadNotice(path));
            return result;
    }
    if (header.recordCount == 0) return result;
    result.source = std::make_unique<DbaseSource>(path, std::move(header));
    return result;
}

}  // namespace zolvane::lists
