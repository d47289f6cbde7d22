// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the table of GeoNames' cities that Luna compiles in, from Debian's
// libgeonames, at build time. libgeonames names its cities in the language
// of the messages, so the build runs this twice: once in English (the C
// locale), writing a TSV to standard output; once in Italian (LANGUAGE=it),
// given the English TSV, writing the C++ source of the table with both.
// Each name is also stored as GLib folds it into words for searching, with
// the words' ASCII forms, so that a search folds only what was typed.

#include <geonames.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string text(const gchar* value)
{
    return value ? value : "";
}

// The words of a name, folded, a space between; and their ASCII forms.
std::pair<std::string, std::string> words(const std::string& name)
{
    gchar** alternates = nullptr;
    gchar** tokens = g_str_tokenize_and_fold(name.c_str(), nullptr, &alternates);
    std::string folded, ascii;
    for (gchar** token = tokens; token && *token; ++token) {
        gchar* plain = g_str_to_ascii(*token, nullptr);
        if (!folded.empty()) {
            folded += ' ';
            ascii += ' ';
        }
        folded += *token;
        ascii += plain ? plain : *token;
        g_free(plain);
    }
    g_strfreev(tokens);
    g_strfreev(alternates);
    return {folded, ascii};
}

// A C++ string literal of any bytes: NUL and the quote and backslash
// escaped, in octal, so that no digit that follows can join them.
std::string quoted(const std::string& value)
{
    std::string out = "\"";
    for (const char c : value) {
        if (c == '\0')
            out += "\\000";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out + '"';
}

struct City {
    std::string name, state, country, code, zone;
    double latitude = 0, longitude = 0;
    unsigned population = 0;
};

City city(int index)
{
    GeonamesCity* found = geonames_get_city(index);
    City c{text(geonames_city_get_name(found)),      text(geonames_city_get_state(found)),
           text(geonames_city_get_country(found)),   text(geonames_city_get_country_code(found)),
           text(geonames_city_get_timezone(found)),  geonames_city_get_latitude(found),
           geonames_city_get_longitude(found),       geonames_city_get_population(found)};
    geonames_city_free(found);
    return c;
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> parts;
    std::stringstream stream(line);
    std::string part;
    while (std::getline(stream, part, '\t'))
        parts.push_back(part);
    return parts;
}

} // namespace

int main(int argc, char* argv[])
{
    std::setlocale(LC_ALL, "");
    const int n = int(geonames_get_n_cities());
    if (argc == 1) {
        for (int i = 0; i < n; ++i) {
            const City c = city(i);
            std::cout << c.name << '\t' << c.state << '\t' << c.country << '\n';
        }
        return 0;
    }
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " [ENGLISH.tsv OUT.cpp]\n";
        return 2;
    }
    std::ifstream english(argv[1]);
    // Every text once, in one array, the rows holding where each begins:
    // numbers the loader places as they are, without a relocation each, as
    // pointers would need at every start of the programs.
    std::string text;
    std::map<std::string, std::size_t> at;
    const auto place = [&](const std::string& value) {
        const auto [found, added] = at.emplace(value, text.size());
        if (added) {
            text += value;
            text += '\0';
        }
        return found->second;
    };
    std::ostringstream rows;
    rows.precision(9);
    std::string line;
    int written = 0;
    for (int i = 0; i < n && std::getline(english, line); ++i) {
        const std::vector<std::string> en = fields(line);
        if (en.size() < 3)
            continue;
        const City it = city(i);
        // What would repeat is left empty: most names are ASCII, and most
        // are the same in both languages.
        auto [enWords, enAscii] = words(en[0]);
        auto [itWords, itAscii] = words(it.name);
        if (enAscii == enWords)
            enAscii.clear();
        if (itAscii == itWords)
            itAscii.clear();
        if (itWords == enWords && itAscii == enAscii)
            itWords.clear(), itAscii.clear();
        rows << "{";
        for (const std::string& value : {en[0], en[1], en[2], it.name, it.state, it.country, it.code, it.zone, enWords,
                                         enAscii, itWords, itAscii})
            rows << place(value) << ",";
        rows << it.latitude << "," << it.longitude << "," << it.population << "},\n";
        ++written;
    }
    std::ofstream out(argv[2]);
    out << "// Made at build time from Debian's libgeonames (GeoNames, CC BY 4.0).\n"
           "#include \"CityTable.h\"\n\n"
           "#pragma GCC diagnostic ignored \"-Woverlength-strings\"\n\n"
           "namespace luna::places {\n\n"
           "const char cityText[] = ";
    // In lines of a few hundred bytes, which the compiler joins, each cut
    // between two characters, never inside one's UTF-8 bytes.
    for (std::size_t from = 0; from < text.size();) {
        std::size_t to = std::min(from + 400, text.size());
        while (to < text.size() && (static_cast<unsigned char>(text[to]) & 0xc0) == 0x80)
            ++to;
        out << quoted(text.substr(from, to - from)) << "\n    ";
        from = to;
    }
    out << ";\n\nconst CityRow cityRows[] = {\n" << rows.str() << "};\n\nconst std::size_t cityRowCount = " << written
        << ";\n\n} // namespace luna::places\n";
    return written == n ? 0 : 1;
}
