// Field descriptors of a dBase table: the text form "name,type,width,decimals" and the article schema.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaly::data {

struct FieldDescriptor {
    std::string name;
    char type = 'C'; // C text, N number, F float, L logical, D date
    int width = 1;
    int decimals = 0;
    friend bool operator==(const FieldDescriptor&, const FieldDescriptor&) = default;
};

// The widest text field. Widths above 255 are stored the common way: the decimals byte of a
// text field holds the high byte of its width.
inline constexpr int kMaxTextWidth = 65000;
// Numbers are read into 64-bit integers, so a numeric field holds at most 18 digits and a sign.
inline constexpr int kMaxNumberWidth = 19;

// Parses "num,N,6,0" (blanks around the parts allowed). Throws DbfError on a malformed text.
FieldDescriptor ParseFieldDescriptor(std::string_view text);
// "num, N, 6, 0": the form the database settings dialog shows (width is the third part).
std::string DescribeField(const FieldDescriptor& field);
// Throws DbfError when the descriptor cannot be stored in a dBase header.
void CheckFieldDescriptor(const FieldDescriptor& field);

// The article schema as descriptor texts: "num,N,6,0", "f1,C,100,0" … "f15,C,100,0",
// "quantite,N,3,0", "topp,C,2,0".
std::vector<std::string> DefaultArticleSchemaTexts();
std::vector<FieldDescriptor> DefaultArticleSchema();
// The article schema with the given widths of f1 to f15 (the schema rebuild).
std::vector<FieldDescriptor> ArticleSchemaWithWidths(const std::vector<int>& widths);

// Field names compare without regard to ASCII case.
bool SameFieldName(std::string_view a, std::string_view b);

} // namespace tessaly::data
