#include "platform/gui/ColumnWidths.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

struct WidthEntry {
    std::optional<int> pixels; // empty: the column shares what is left
    bool hidden = false;       // written as 0 or 0%
};

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

WidthEntry ParseEntry(std::string_view entry, int listWidth) {
    entry = Trimmed(entry);
    const bool percent = !entry.empty() && entry.back() == '%';
    if (percent)
        entry = Trimmed(entry.substr(0, entry.size() - 1));
    double value = 0;
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), value);
    if (entry.empty() || error != std::errc() || end != entry.data() + entry.size() || value < 0)
        return {};
    return {static_cast<int>(percent ? listWidth * value / 100 : value), value == 0};
}

std::vector<WidthEntry> ParseEntries(std::string_view text, int columnCount, int listWidth) {
    std::vector<WidthEntry> entries(std::max(columnCount, 0));
    for (std::size_t column = 0; column < entries.size() && !text.empty(); ++column) {
        const auto comma = text.find(',');
        entries[column] = ParseEntry(text.substr(0, comma), listWidth);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return entries;
}

} // namespace

std::vector<int> ShownColumnsFor(std::string_view text, int columnCount) {
    const std::vector<WidthEntry> entries = ParseEntries(text, columnCount, 0);
    std::vector<int> shown;
    for (int column = 0; column < static_cast<int>(entries.size()); ++column)
        if (!entries[column].hidden)
            shown.push_back(column);
    return shown;
}

std::vector<int> ColumnWidthsFor(std::string_view text, int columnCount, int listWidth) {
    const std::vector<WidthEntry> entries = ParseEntries(text, columnCount, listWidth);

    int fixed = 0;
    int shared = 0;
    for (const auto& entry : entries) {
        if (entry.pixels)
            fixed += *entry.pixels;
        else
            ++shared;
    }
    const int rest = std::max(listWidth - fixed, 0);

    std::vector<int> widths;
    int sharesLeft = shared;
    int restLeft = rest;
    for (const auto& entry : entries) {
        if (entry.pixels) {
            widths.push_back(*entry.pixels);
        } else {
            // The last shared column takes the pixels that the division leaves over.
            const int share = sharesLeft == 1 ? restLeft : rest / shared;
            widths.push_back(share);
            restLeft -= share;
            --sharesLeft;
        }
    }
    return widths;
}
