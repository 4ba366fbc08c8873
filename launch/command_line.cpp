#include "launch/command_line.h"

#include "launch/launcher_context.h"
#include "platform/process.h"
#include "platform/text_conversion.h"

namespace {

constexpr char kBlank = ' ';
constexpr char kQuote = '"';

// The position of the character after the one at `position`; a lead byte of
// the ANSI code page takes its trail byte along.
std::size_t nextCharacter(const std::string& text, std::size_t position)
{
    if (platform::isLeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size()) {
        return position + 2;
    }
    return position + 1;
}

// The first character at or after `from` that is `wanted`; trail bytes never match.
std::size_t findCharacter(const std::string& text, std::size_t from, char wanted)
{
    for (std::size_t position = from; position < text.size(); position = nextCharacter(text, position)) {
        if (text[position] == wanted) {
            return position;
        }
    }
    return std::string::npos;
}

std::size_t skipBlanks(const std::string& text, std::size_t position)
{
    while (position < text.size() && text[position] == kBlank) {
        ++position;
    }
    return position;
}

std::string trimWhiteSpace(const std::string& text)
{
    std::size_t start = 0;
    while (start < text.size() && isWhiteSpace(text[start])) {
        ++start;
    }
    // Walk forward by characters so that a trail byte is never taken for
    // white space; remember where the last other character ends.
    std::size_t end = start;
    for (std::size_t position = start; position < text.size();) {
        std::size_t next = nextCharacter(text, position);
        if (!isWhiteSpace(text[position]) || next - position > 1) {
            end = next;
        }
        position = next;
    }
    return text.substr(start, end - start);
}

}  // namespace

void splitArguments(const std::string& text, StringList& list)
{
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t stop;
        if (text[position] == kQuote) {
            std::size_t closing = findCharacter(text, position + 1, kQuote);
            if (closing == std::string::npos) {
                list.push_back(text.substr(position + 1));
                return;
            }
            list.push_back(text.substr(position + 1, closing - position - 1));
            stop = closing + 1;
        } else {
            std::size_t blank = findCharacter(text, position, kBlank);
            if (blank == std::string::npos) {
                list.push_back(text.substr(position));
                return;
            }
            list.push_back(text.substr(position, blank - position));
            stop = blank;
        }
        position = skipBlanks(text, stop);
    }
}

void parseCommandLineText(const std::string& commandLine, StringList& list)
{
    StringList pieces;
    splitArguments(trimWhiteSpace(commandLine), pieces);
    if (!pieces.empty()) {
        list.insert(list.end(), pieces.begin() + 1, pieces.end());
    }
}

void parseCommandLine(LauncherContext& context)
{
    StringList vector;
    if (platform::systemArgumentVector(vector)) {
        if (!vector.empty()) {
            context.arguments.insert(context.arguments.end(), vector.begin() + 1, vector.end());
        }
        return;
    }
    parseCommandLineText(platform::processCommandLine(), context.arguments);
}
