#include "core/materials/Workbook.h"

#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>
#include <xlsxwriter.h>

namespace tav {

namespace {

namespace fs = std::filesystem;

constexpr const char* kMoneyFormat = "$0.00";
constexpr double kMinColumnWidth = 8;
constexpr double kMaxColumnWidth = 100;

bool ValidUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

// Data files are 8-bit text; the workbook is UTF-8, and XML takes no control characters
// besides tab and line ends, so those show as blanks.
std::string WorkbookText(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    const bool utf8 = ValidUtf8(bytes);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 && ch != '\t' && ch != '\n' && ch != '\r')
            out += ' ';
        else if (c < 0x80 || utf8)
            out += ch;
        else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

size_t Characters(std::string_view utf8)
{
    return static_cast<size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void Check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw Error(std::string("The workbook could not be made: ") + lxw_strerror(error) + ".");
}

// A number the list shows as text, "$" and all.
std::optional<double> ShownNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '$')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    return TryStrToFloat(text);
}

// A private folder for the scratch files, removed with everything in it.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "tavrolin-xlsx-XXXXXX").string();
        if (ec || !mkdtemp(pattern.data()))
            throw IoError("No scratch folder for the workbook in " + fs::temp_directory_path(ec).string() + ".");
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// One sheet, remembering the widest text of each column for its width.
class Sheet
{
public:
    Sheet(lxw_workbook* book, const char* name) : sheet_(workbook_add_worksheet(book, name))
    {
        if (!sheet_)
            Check(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    lxw_worksheet* Handle() { return sheet_; }

    void Text(lxw_row_t row, lxw_col_t col, std::string_view bytes, lxw_format* format = nullptr)
    {
        const std::string text = WorkbookText(bytes);
        if (text.empty() && !format)
            return;
        Check(worksheet_write_string(sheet_, row, col, text.c_str(), format));
        Widen(col, Characters(text));
    }
    // shownAs: the text the list shows for it, which the column must be wide enough for.
    void Number(lxw_row_t row, lxw_col_t col, double value, lxw_format* format, std::string_view shownAs)
    {
        Check(worksheet_write_number(sheet_, row, col, value, format));
        Widen(col, Characters(shownAs));
    }
    void Formula(lxw_row_t row, lxw_col_t col, const std::string& formula, double value, lxw_format* format)
    {
        Check(worksheet_write_formula_num(sheet_, row, col, formula.c_str(), format, value));
        Widen(col, FormatMoney(value).size());
    }
    void SetWidths()
    {
        for (size_t c = 0; c < widest_.size(); ++c) {
            const double width = std::clamp(static_cast<double>(widest_[c]) + 2, kMinColumnWidth, kMaxColumnWidth);
            Check(worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr));
        }
    }

private:
    void Widen(lxw_col_t col, size_t characters)
    {
        if (widest_.size() <= col)
            widest_.resize(col + 1, 0);
        widest_[col] = std::max(widest_[col], characters);
    }

    lxw_worksheet* sheet_;
    std::vector<size_t> widest_;
};

struct Formats
{
    lxw_format* bold;
    lxw_format* money;
    lxw_format* figure;
};

// A1-style name of a cell in the columns the list uses.
std::string CellName(lxw_col_t col, lxw_row_t row)
{
    return std::string(1, static_cast<char>('A' + col)) + std::to_string(row + 1);
}

void WriteList(Sheet& sheet, const ListOfMaterials& list, const Formats& f)
{
    constexpr lxw_col_t kPrice = 2, kQuantity = 3, kExtended = 4;
    for (int c = 0; c < kMaterialsColumns; ++c)
        sheet.Text(0, static_cast<lxw_col_t>(c), kMaterialsHeadings[static_cast<size_t>(c)], f.bold);
    worksheet_freeze_panes(sheet.Handle(), 1, 0);

    lxw_row_t row = 1;
    double total = 0;
    for (const MaterialsRow& r : list.rows) {
        if (r.IsHeading()) {
            sheet.Text(row++, 0, r.partNumber, f.bold);
            continue;
        }
        sheet.Text(row, 0, r.partNumber);
        sheet.Text(row, 1, r.description);
        const auto price = ShownNumber(r.price);
        const auto quantity = ShownNumber(r.quantity);
        if (price)
            sheet.Number(row, kPrice, *price, f.money, r.price);
        else
            sheet.Text(row, kPrice, r.price);
        if (quantity)
            sheet.Number(row, kQuantity, *quantity, nullptr, r.quantity);
        else
            sheet.Text(row, kQuantity, r.quantity);
        if (price && quantity) {
            // The cached value is what the formula gives from the cells, so a reader that
            // calculates again sees the same figures.
            const double extended = *price * *quantity;
            sheet.Formula(row, kExtended, "=" + CellName(kPrice, row) + "*" + CellName(kQuantity, row), extended,
                          f.money);
            total += extended;
        } else {
            sheet.Text(row, kExtended, r.extended);
        }
        ++row;
    }

    // A blank row keeps the sum's range clear of the total even for an empty list.
    const lxw_row_t totalRow = row + 1;
    sheet.Text(totalRow, 0, kTotalCaption, f.bold);
    sheet.Formula(totalRow, kExtended, "=SUM(" + CellName(kExtended, 1) + ":" + CellName(kExtended, row) + ")", total,
                  f.money);
    if (list.adapterNote) {
        lxw_row_t noteRow = totalRow + 2;
        for (const std::string& line : AdapterNoteLines())
            Check(worksheet_write_string(sheet.Handle(), noteRow++, 0, WorkbookText(line).c_str(), nullptr));
    }
    sheet.SetWidths();
}

void WritePlan(Sheet& sheet, const PlanSummary& plan, const Formats& f)
{
    lxw_row_t row = 0;
    // Numbers go in as numbers, so the sheet can calculate with them; texts as they are.
    const auto entry = [&](const char* label, const std::string& value, lxw_format* numberFormat = nullptr) {
        sheet.Text(row, 0, label, f.bold);
        if (const auto number = value.empty() ? std::nullopt : TryStrToFloat(value))
            sheet.Number(row, 1, *number, numberFormat, value);
        else
            sheet.Text(row, 1, value);
        ++row;
    };
    entry("Transmission line", plan.cableKey);
    entry("Part number", plan.partNumber);
    entry("Beginning frequency (MHz)", plan.beginning);
    entry("Ending frequency (MHz)", plan.ending);
    entry("Horizontal length", plan.horizontalLength);
    entry("Vertical length", plan.verticalLength);
    entry("Unit", plan.meters ? "meters" : "feet");
    entry("Number of runs", IntToStr(plan.runs));
    entry("Antenna", plan.antenna);
    entry("Structure", plan.structure);
    entry("Insertion loss (dB)", plan.insertionLoss, f.figure);
    entry("Efficiency (%)", plan.efficiency, f.figure);
    entry("Average power (kW)", plan.averagePower, f.figure);
    sheet.SetWidths();
}

} // namespace

std::string WorkbookBytes(const ListOfMaterials& list, const PlanSummary& plan)
{
    // The library writes only to a file: a scratch file, read back whole.
    const ScratchFolder scratch;
    const std::string path = scratch.Path() + "/list.xlsx";
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = const_cast<char*>(scratch.Path().c_str());
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (!book)
        throw IoError("The workbook could not be started in " + scratch.Path() + ".");
    try {
        Formats f{workbook_add_format(book), workbook_add_format(book), workbook_add_format(book)};
        format_set_bold(f.bold);
        format_set_num_format(f.money, kMoneyFormat);
        format_set_num_format(f.figure, "0.00");
        Sheet listSheet(book, kListSheetName);
        WriteList(listSheet, list, f);
        Sheet planSheet(book, kPlanSheetName);
        WritePlan(planSheet, plan, f);
    } catch (...) {
        workbook_close(book);
        throw;
    }
    Check(workbook_close(book));
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        throw IoError("The workbook was not written to " + path + ".");
    return *bytes;
}

} // namespace tav
