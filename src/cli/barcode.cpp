// zolvane-cli barcode: the barcode run for scripts and batch work.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli.h"
#include "lists/barcode_run.h"
#include "lists/field_guess.h"
#include "lists/source.h"
#include "settings/lines_file.h"
#include "text/bytes.h"

namespace zolvane::cli {

using lists::FieldAssignment;
using settings::PrefLine;

namespace {

// --fields address=2,zip5=5,zip4=-1
void ApplyFields(const std::string& items, FieldAssignment& a, std::size_t fieldCount) {
    struct Role {
        const char* name;
        int FieldAssignment::*member;
    };
    static const Role kRoles[] = {
        {"address", &FieldAssignment::address}, {"zip5", &FieldAssignment::zip5},
        {"zip4", &FieldAssignment::zip4},       {"zip9", &FieldAssignment::zip9},
        {"barcode", &FieldAssignment::barcode}, {"dp", &FieldAssignment::dp},
        {"oel", &FieldAssignment::oel},         {"serial", &FieldAssignment::serial},
    };
    std::size_t start = 0;
    while (start <= items.size()) {
        std::size_t end = items.find(',', start);
        if (end == std::string::npos) end = items.size();
        std::string item = items.substr(start, end - start);
        start = end + 1;
        if (item.empty()) continue;
        auto eq = item.find('=');
        const Role* role = nullptr;
        for (const auto& r : kRoles)
            if (eq != std::string::npos && item.compare(0, eq, r.name) == 0 &&
                std::strlen(r.name) == eq)
                role = &r;
        if (!role)
            throw UsageError{
                "--fields takes ROLE=N items (roles: address zip5 zip4 zip9 barcode dp "
                "oel serial), not '" +
                item + "'."};
        auto n = text::ParseInteger(item.substr(eq + 1));
        if (!n || *n < -1 || *n >= static_cast<std::int64_t>(fieldCount))
            throw UsageError{"the field position in '" + item + "' must be -1 (none) or 0 to " +
                             std::to_string(fieldCount - 1) + "."};
        a.*(role->member) = static_cast<int>(*n);
    }
}

class ProgressBar final : public lists::RunObserver {
  public:
    void Record(std::size_t s, std::size_t count) override {
        if ((s & 1023) != 1 && s != count) return;
        auto now = std::chrono::steady_clock::now();
        if (s != count && now - m_last < std::chrono::milliseconds(100)) return;
        m_last = now;
        const int width = 40;
        const double done = count ? static_cast<double>(s) / static_cast<double>(count) : 1.0;
        const int filled = static_cast<int>(done * width);
        std::fprintf(stderr, "\r[%.*s%*s] %zu/%zu", filled,
                     "########################################", width - filled, "", s, count);
        m_drawn = true;
    }
    ~ProgressBar() override {
        if (m_drawn) std::fputs("\r\033[K", stderr);
    }

  private:
    std::chrono::steady_clock::time_point m_last{};
    bool m_drawn = false;
};

void PrintNotice(const lists::Notice& n) {
    std::cerr << "zolvane-cli barcode: " << n.text << '\n';
}

}  // namespace

int RunBarcode(std::vector<std::string> args, Context& context) {
    const bool imb = TakeFlag(args, "--imb");
    const bool postnet = TakeFlag(args, "--postnet");
    const bool intoList = TakeFlag(args, "--into-list");
    bool barcodesOnly = TakeFlag(args, "--barcodes-only");
    auto barcodesFile = TakeOption(args, "--barcodes-only");
    const auto fieldsOption = TakeOption(args, "--fields");
    const auto table = TakeOption(args, "--table");
    RefuseUnknownOptions(args, "barcode");
    if (args.size() != 1) throw UsageError{"usage: zolvane-cli barcode [options] LIST"};
    if (imb && postnet) throw UsageError{"choose one of --imb and --postnet."};
    if (barcodesFile) barcodesOnly = true;
    if (intoList && barcodesOnly)
        throw UsageError{"choose one of --into-list and --barcodes-only."};

    const std::filesystem::path listPath = args[0];
    settings::Prefs prefs = context.Prefs();  // this run's settings; overrides are not saved
    if (imb) prefs.Put(PrefLine::BarcodeKind, "0");
    if (postnet) prefs.Put(PrefLine::BarcodeKind, "1");
    if (intoList) prefs.Put(PrefLine::BarcodeOutput, "0");
    if (barcodesOnly) {
        prefs.Put(PrefLine::BarcodeOutput, "1");
        prefs.Put(PrefLine::BarcodesOnlyName, barcodesFile ? "1" : "0");
    }

    lists::OpenOptions openOptions;
    if (table) openOptions.tableName = *table;
    auto opened = lists::OpenMailingList(listPath, openOptions);
    for (const auto& n : opened.notices) PrintNotice(n);
    if (!opened.source) {
        if (opened.notices.empty())
            return Fail("barcode",
                        listPath.filename().string() +
                            " holds no records that Zolvane can read. The list was not changed.",
                        kExitFailed);
        return kExitFailed;
    }
    lists::ListSource& source = *opened.source;

    FieldAssignment fields = lists::GuessFields(source, prefs);
    if (fieldsOption) ApplyFields(*fieldsOption, fields, source.FieldCount());
    auto problems = lists::CheckFieldAssignment(fields, source, prefs);
    if (!problems.empty()) {
        PrintNotice(problems.front());
        return kExitFailed;
    }

    lists::RunOutput output;
    output.barcodesOnly = prefs.Get(PrefLine::BarcodeOutput) == "1";
    if (output.barcodesOnly) {
        if (barcodesFile) {
            output.barcodesOnlyPath = *barcodesFile;
            output.barcodesOnlyName = *barcodesFile;
        } else {
            output.barcodesOnlyPath = listPath.parent_path() / "Barcode.txt";
            output.barcodesOnlyName = "Barcode.txt";
        }
    }

    std::optional<ProgressBar> progress;
    if (::isatty(STDERR_FILENO)) progress.emplace();
    lists::RunHooks hooks;
    if (progress) hooks.observer = &*progress;
    hooks.saveNextSerial = [&](std::int64_t next) -> std::string {
        try {
            context.Prefs().Put(PrefLine::NextSerial, std::to_string(next));
            context.SavePrefs();
        } catch (const settings::SettingsError& e) {
            return e.what();
        }
        return {};
    };
    auto result = lists::RunBarcodes(source, fields, prefs, output, hooks);
    progress.reset();
    if (!result.completed) {
        for (const auto& n : result.failures) PrintNotice(n);
        return kExitFailed;
    }
    std::string summary = result.summary;
    for (char& c : summary)
        if (c == '\r') c = '\n';
    std::cout << summary << '\n';
    return kExitOk;
}

}  // namespace zolvane::cli
