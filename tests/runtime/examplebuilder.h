#pragma once

#include "document/projectdocument.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::examples {

// Lays out an example project in pixels: each call appends one object on the current page
// and returns it for the settings that are particular to it.
class ExampleBuilder {
public:
    // A new project as the designer makes one: the English texts, the program's icon, a
    // custom page of the given size.
    ExampleBuilder(const std::filesystem::path& dataFolder, const std::string& title, int width,
                   int height);

    ProjectDocument& document() { return doc_; }
    AppSettings& settings() { return doc_.settings; }
    void onPage(int page) { page_ = page; }

    Title& title(const std::string& caption, float x, float y, float size = 9, bool bold = false,
                 int32_t colour = 0);
    // A labelled input: the label at x, the field 90 pixels to the right of it.
    Field& field(const std::string& label, const std::string& name, float x, float y,
                 float width, int length);
    Notes& notes(const std::string& label, const std::string& name, float x, float y,
                 float width, float height, int length);
    Combo& combo(const std::string& label, const std::string& name, float x, float y,
                 float width, std::vector<std::string> items);
    Checkbox& checkbox(const std::string& caption, const std::string& name, float x, float y);
    Square& box(float x, float y, float width, float height, int32_t fill, int32_t border,
                int16_t shape = 4);
    Line& rule(float x1, float y1, float x2, float y2, int32_t colour);
    Button& button(const std::string& caption, const std::string& action, float x, float y,
                   float width);
    Picture& picture(const std::string& name, std::vector<uint8_t> bytes, float x, float y,
                     float width, float height);

    // The number a field was given, for formulas.
    int lastField() const { return doc_.fields.highWater(); }

private:
    ProjectDocument doc_;
    int page_ = 0;
};

// A small picture file (24-bit BMP) of a head and shoulders, for a contact's photo.
std::vector<uint8_t> portraitBitmap(int size);

} // namespace qv::examples
