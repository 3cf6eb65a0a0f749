#include "lists/barcode_run.h"

#include <charconv>
#include <cstring>

#include "address/streetpoint.h"
#include "address/units.h"
#include "lists/ascii_records.h"
#include "lists/source.h"
#include "settings/prefs.h"
#include "settings/setup_checks.h"
#include "symbology/postnet.h"
#include "symbology/tracking.h"
#include "text/bytes.h"

namespace zolvane::lists {

using settings::PrefLine;

namespace {

// The ZIP+4 of a record as nine digits, or empty. The trimmed ZIP fields
// replace the fields, as the list is written back with them.
std::string_view RecordZip(std::vector<std::string>& f, const FieldAssignment& a, char (&zip)[9]) {
    auto trimInPlace = [&](int field) -> std::string_view {
        if (field < 0 || static_cast<std::size_t>(field) >= f.size()) return {};
        std::string& s = f[static_cast<std::size_t>(field)];
        std::string_view t = text::TrimControl(s);
        if (t.size() != s.size()) {
            const std::size_t offset = static_cast<std::size_t>(t.data() - s.data());
            s = s.substr(offset, t.size());
        }
        return s;
    };
    std::size_t n = 0;
    if (a.zip9 < 0) {
        std::string_view z5 = trimInPlace(a.zip5);
        std::string_view z4 = trimInPlace(a.zip4);
        if (z5.size() + z4.size() != 9) return {};
        std::memcpy(zip, z5.data(), z5.size());
        std::memcpy(zip + z5.size(), z4.data(), z4.size());
        n = 9;
    } else {
        std::string_view z9 = trimInPlace(a.zip9);
        if (z9.size() == 9) {
            std::memcpy(zip, z9.data(), 9);
            n = 9;
        } else if (z9.size() == 10 && z9.find('-') == 5) {
            std::memcpy(zip, z9.data(), 5);
            std::memcpy(zip + 5, z9.data() + 6, 4);
            n = 9;
        }
    }
    std::string_view z(zip, n);
    if (n != 9 || !text::AllDigits(z)) return {};
    return z;
}

std::string_view FieldOrEmpty(const std::vector<std::string>& f, int field) {
    if (field < 0 || static_cast<std::size_t>(field) >= f.size()) return {};
    return f[static_cast<std::size_t>(field)];
}

std::string Summary(const ListSource& source, const RunOutput& output, const RunCounts& c) {
    std::string s = std::to_string(c.added);
    if (output.barcodesOnly) {
        s += " barcodes for " + LowerCaseFileName(source.Path()) + " have been saved in " +
             output.barcodesOnlyName + ".";
    } else {
        s += " barcodes have been added to " + LowerCaseFileName(source.Path()) + ".";
    }
    auto line = [&](std::size_t count, const char* what) {
        if (count > 0) s += "\r" + std::to_string(count) + what;
    };
    line(c.zipSkipped, " records had blank or improper zip codes and were skipped.");
    line(c.dpSkipped, " records had blank or improper delivery point codes and were skipped.");
    line(c.serialSkipped, " records had blank or improper serial numbers and were skipped.");
    return s;
}

Notice Failure(std::string text) {
    return {std::move(text), NoticeIcon::Error, NoticeBeep::Warning};
}

}  // namespace

std::string LowerCaseFileName(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

std::vector<Notice> CheckRunSettings(const settings::Prefs& prefs) {
    std::vector<Notice> out;
    if (prefs.Get(PrefLine::BarcodeKind) != "0") return out;
    if (auto message = settings::CheckImbSetup(settings::ImbSetupValuesOf(prefs));
        !message.empty()) {
        out.push_back({message, NoticeIcon::Warning, NoticeBeep::Warning});
        return out;
    }
    if (prefs.Get(PrefLine::SerialOption) == "0" && !prefs.GetInt(PrefLine::NextSerial))
        out.push_back({"Sorry, the starting serial number is too large.", NoticeIcon::Warning,
                       NoticeBeep::Warning});
    auto s = symbology::ImbSettings::FromPrefs(prefs);
    if (!symbology::ServiceTypeId(s.mailClass, s.addressCorrection, s.service, s.confirm))
        out.push_back({std::string(symbology::ImbErrorMessage(symbology::ImbError::NoServiceType)),
                       NoticeIcon::Warning, NoticeBeep::Warning});
    return out;
}

RunResult RunBarcodes(ListSource& source, const FieldAssignment& fields,
                      const settings::Prefs& prefs, const RunOutput& output,
                      const RunHooks& hooks) {
    RunResult result;
    result.failures = CheckRunSettings(prefs);
    if (!result.failures.empty()) return result;

    const bool imb = prefs.Get(PrefLine::BarcodeKind) == "0";
    const std::string& serialOption = prefs.Get(PrefLine::SerialOption);
    const bool autoSerials = serialOption == "0";
    const bool serialsFromList = serialOption == "1";
    const bool fixedSerials = serialOption == "2";
    const bool serialsWritten = imb && autoSerials;
    const std::string& frameBar = prefs.Get(PrefLine::FrameBar);
    const std::string& fixedSerial = prefs.Get(PrefLine::FixedSerial);
    const symbology::ImbSettings imbSettings = symbology::ImbSettings::FromPrefs(prefs);
    const bool nineDigitMailer = imbSettings.mailerId.size() == 9;
    const bool sixDigitMailer = imbSettings.mailerId.size() == 6;
    const std::size_t serialPlace = nineDigitMailer ? 6 : 9;
    std::int64_t nextSerial = prefs.GetInt(PrefLine::NextSerial).value_or(0);

    if (output.barcodesOnly) {
        std::error_code ec;
        if (std::filesystem::equivalent(output.barcodesOnlyPath, source.Path(), ec)) {
            result.failures.push_back(Failure(
                "The barcodes-only file cannot be the mailing list itself. Please choose another "
                "name for it."));
            return result;
        }
    }

    std::optional<io::DurableFile> barcodesFile;
    if (output.barcodesOnly) {
        barcodesFile.emplace(output.barcodesOnlyPath);
        barcodesFile->SetFaultHook(hooks.faultHook, hooks.faultContext);
        if (!barcodesFile->Open()) {
            result.failures.push_back(Failure("Zolvane could not create this output file."));
            return result;
        }
    }
    PassOptions passOptions;
    passOptions.intoList = !output.barcodesOnly;
    passOptions.barcodeField = fields.barcode;
    passOptions.serialField = fields.serial;
    passOptions.serialsWritten = serialsWritten;
    passOptions.faultHook = hooks.faultHook;
    passOptions.faultContext = hooks.faultContext;
    auto pass = source.StartPass(passOptions);
    if (!pass->Error().empty()) {
        result.failures.push_back(Failure(pass->Error()));
        return result;
    }

    RunObserver none;
    RunObserver& observer = hooks.observer ? *hooks.observer : none;
    const FileKind kind = source.Kind();
    const std::size_t count = source.RecordCount();
    observer.Stage(5);

    std::string line;
    if (barcodesFile &&
        FieldNameLine(kind, {}, BarcodeDestination::BarcodesOnlyFile, false, line) &&
        !barcodesFile->Write(line)) {
        result.failures.push_back(Failure(WriteFailureText(output.barcodesOnlyPath)));
        return result;
    }

    PassRecord record;
    record.fields.reserve(source.FieldCount());
    RunCounts& counts = result.counts;
    int step = 1;
    char zipBuffer[9];
    char serialBuffer[32];
    char imbBars[symbology::kImbBarCount];
    std::string postnet;
    for (std::size_t s = 1;; ++s) {
        if (!pass->Next(record)) break;
        while (step < 6 && count > 0 &&
               step <= 5.0 * static_cast<double>(s) / static_cast<double>(count)) {
            ++step;
            observer.Stage(6 - step);
        }
        observer.Record(s, count);

        const std::string_view zip = RecordZip(record.fields, fields, zipBuffer);
        std::optional<address::DeliveryPoint> given;
        if (fields.dp >= 0)
            given =
                address::NormalizeGivenDeliveryPoint(FieldOrEmpty(record.fields, fields.dp), zip);

        std::string_view serial;
        if (imb) {
            std::string_view raw;
            std::size_t rawSize = 0;
            if (autoSerials) {
                auto [end, ec] =
                    std::to_chars(serialBuffer, serialBuffer + sizeof serialBuffer, nextSerial);
                rawSize = static_cast<std::size_t>(end - serialBuffer);
                raw = std::string_view(serialBuffer, rawSize);
            } else if (serialsFromList) {
                raw = FieldOrEmpty(record.fields, fields.serial);
            } else if (fixedSerials) {
                raw = fixedSerial;
            }
            raw = text::TrimControl(raw);
            if (!raw.empty() && raw.size() <= sizeof serialBuffer) {
                const std::size_t width = std::max(raw.size(), serialPlace);
                const std::size_t pad = width - raw.size();
                std::memmove(serialBuffer + pad, raw.data(), raw.size());
                std::memset(serialBuffer, '0', pad);
                serial = std::string_view(serialBuffer, width);
            } else {
                serial = raw;  // empty, or too long to be any serial number
            }
        }

        std::string_view barcode;
        if (zip.empty()) {
            ++counts.zipSkipped;
        } else if (!imb) {
            if (fields.dp < 0) {
                postnet =
                    address::Highrise(FieldOrEmpty(record.fields, fields.address), zip, frameBar);
                barcode = postnet;
                ++counts.added;
            } else if (given) {
                std::string digits(zip);
                digits.append(address::AsText(*given));
                postnet = symbology::PostnetText(digits, frameBar);
                barcode = postnet;
                ++counts.added;
            } else {
                ++counts.dpSkipped;
            }
        } else {
            std::optional<address::DeliveryPoint> dp = given;
            if (fields.dp < 0)
                dp = address::HighriseDeliveryPoint(FieldOrEmpty(record.fields, fields.address));
            if (!dp) {
                ++counts.dpSkipped;
            } else if (serial.empty() || !text::AllDigits(serial) || serial.size() > serialPlace) {
                ++counts.serialSkipped;
            } else if (symbology::MakeIMB(zip, address::AsText(*dp),
                                          FieldOrEmpty(record.fields, fields.oel), "n", serial,
                                          imbSettings, {}, imbBars) == symbology::ImbError::None) {
                barcode = std::string_view(imbBars, sizeof imbBars);
                ++counts.added;
            } else {
                ++counts.serialSkipped;
            }
        }

        bool written = true;
        if (barcodesFile) {
            line.clear();
            BarcodesOnlyLine(kind, record.line, AddedText{barcode, serial, serialsWritten}, line);
            written = barcodesFile->Write(line);
            if (!written) {
                result.failures.push_back(Failure(WriteFailureText(output.barcodesOnlyPath)));
                return result;
            }
        } else if (!pass->Write(record, barcode, serialsWritten ? serial : std::string_view())) {
            result.failures.push_back(Failure(pass->Error()));
            return result;
        }

        if (serialsWritten) ++nextSerial;
        if (nextSerial >= 999'999'999 && sixDigitMailer) {
            nextSerial = 1;
        } else if (nextSerial >= 999'999 && nineDigitMailer) {
            nextSerial = 1;
        }
    }
    if (!pass->Error().empty()) {
        result.failures.push_back(Failure(pass->Error()));
        return result;
    }

    if (serialsWritten && hooks.saveNextSerial) {
        if (auto error = hooks.saveNextSerial(nextSerial); !error.empty()) {
            result.failures.push_back(Failure(error));
            return result;
        }
    }
    if (barcodesFile && !barcodesFile->Commit()) {
        result.failures.push_back(Failure(WriteFailureText(output.barcodesOnlyPath)));
        return result;
    }
    if (!pass->Commit()) {
        result.failures.push_back(Failure(pass->Error()));
        return result;
    }
    result.completed = true;
    result.summary = Summary(source, output, counts);
    return result;
}

}  // namespace zolvane::lists
