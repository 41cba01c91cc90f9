// SPDX-License-Identifier: MIT
#include "platform/vcl/components/FormParser.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/vcl/components/Component.h"

#include <cctype>
#include <limits>

namespace {

bool IsIdentStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentPart(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

void AppendUtf8(AnsiString& text, std::uint32_t code)
{
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
}

class TFormTextParser {
public:
    explicit TFormTextParser(std::string_view text)
        : FText(text)
    {
    }

    TFormObject ParseRoot()
    {
        SkipBlanks();
        TFormObject root = ParseObject();
        SkipBlanks();
        if (!AtEnd())
            Fail("text after the final 'end': " + Quoted(PeekWord()));
        return root;
    }

private:
    // Objects and lists nest by recursion; a bound keeps a malformed text from exhausting
    // the stack.
    static constexpr int kMaxNesting = 200;
    // Counts one level of nesting until the returned step runs.
    auto EnterNesting()
    {
        if (++FNesting > kMaxNesting)
            Fail("objects or lists nested too deeply");
        return ScopeExit([this] { --FNesting; });
    }

    [[noreturn]] void Fail(const AnsiString& what) const
    {
        throw EReadError("Line " + IntToStr(FLine) + ": " + what);
    }

    bool AtEnd() const { return FPosition >= FText.size(); }
    char Peek(std::size_t ahead = 0) const
    {
        return FPosition + ahead < FText.size() ? FText[FPosition + ahead] : '\0';
    }
    char Next()
    {
        const char c = FText[FPosition++];
        if (c == '\n')
            ++FLine;
        return c;
    }

    void SkipBlanks()
    {
        while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek())))
            Next();
    }

    static AnsiString Quoted(const AnsiString& word)
    {
        return word.empty() ? AnsiString("end of text") : "'" + word + "'";
    }

    // The next run of non-blank characters, for messages.
    AnsiString PeekWord() const
    {
        std::size_t end = FPosition;
        while (end < FText.size() && !std::isspace(static_cast<unsigned char>(FText[end]))
            && end - FPosition < 20)
            ++end;
        return AnsiString(FText.substr(FPosition, end - FPosition));
    }

    AnsiString ReadIdentifier(const char* expected)
    {
        SkipBlanks();
        if (!IsIdentStart(Peek()))
            Fail(AnsiString(expected) + " expected but " + Quoted(PeekWord()) + " found");
        const std::size_t start = FPosition;
        while (IsIdentPart(Peek()))
            Next();
        return AnsiString(FText.substr(start, FPosition - start));
    }

    // A property name; dots lead into sub-objects such as Font.
    AnsiString ReadPropertyName()
    {
        AnsiString name = ReadIdentifier("property name");
        while (Peek() == '.') {
            Next();
            name += "." + ReadIdentifier("property name after '.'");
        }
        return name;
    }

    void Expect(char c)
    {
        SkipBlanks();
        if (Peek() != c)
            Fail(AnsiString("'") + c + "' expected but " + Quoted(PeekWord()) + " found");
        Next();
    }

    TFormObject ParseObject()
    {
        TFormObject object;
        object.Line = FLine;
        const AnsiString keyword = ReadIdentifier("'object'");
        if (!SameText(keyword, "object"))
            Fail("'object' expected but " + Quoted(keyword) + " found");
        const AnsiString first = ReadIdentifier("object name or class");
        SkipBlanks();
        if (Peek() == ':') {
            Next();
            object.Name = first;
            object.ClassName = ReadIdentifier("class name");
        } else
            object.ClassName = first;

        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("'end' of " + (object.Name.empty() ? object.ClassName : object.Name)
                    + " expected but end of text found");
            const std::size_t mark = FPosition;
            const int markLine = FLine;
            const AnsiString word = ReadIdentifier("property, 'object' or 'end'");
            if (SameText(word, "end"))
                return object;
            if (SameText(word, "object")) {
                FPosition = mark;
                FLine = markLine;
                const auto nesting = EnterNesting();
                object.Children.push_back(ParseObject());
                continue;
            }
            FPosition = mark;
            FLine = markLine;
            TFormProperty property;
            property.Line = FLine;
            property.Name = ReadPropertyName();
            Expect('=');
            property.Value = ParseValue();
            object.Properties.push_back(std::move(property));
        }
    }

    TFormValue ParseValue()
    {
        SkipBlanks();
        const char c = Peek();
        if (c == '\'' || c == '#')
            return ParseString();
        if (IsDigit(c) || c == '-' || c == '+' || c == '$')
            return ParseInteger();
        if (c == '[')
            return ParseSet();
        if (c == '(')
            return ParseList();
        if (c == '{')
            return ParseBinary();
        if (IsIdentStart(c)) {
            TFormValue value;
            value.Kind = TFormValueKind::Identifier;
            value.Text = ReadPropertyName();
            // A forgotten value would otherwise swallow the keyword that follows it.
            if (SameText(value.Text, "end") || SameText(value.Text, "object"))
                Fail("value expected but '" + value.Text + "' found");
            return value;
        }
        Fail("value expected but " + Quoted(PeekWord()) + " found");
    }

    TFormValue ParseInteger()
    {
        TFormValue value;
        value.Kind = TFormValueKind::Integer;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+')
            negative = Next() == '-';
        const bool hex = Peek() == '$';
        if (hex)
            Next();
        const int base = hex ? 16 : 10;
        if (!(hex ? IsHexDigit(Peek()) : IsDigit(Peek())))
            Fail("number expected but " + Quoted(PeekWord()) + " found");
        std::uint64_t magnitude = 0;
        while (hex ? IsHexDigit(Peek()) : IsDigit(Peek())) {
            magnitude = magnitude * std::uint64_t(base) + std::uint64_t(HexDigitValue(Next()));
            if (magnitude > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
                Fail("number too large");
        }
        if (Peek() == '.' || IsIdentPart(Peek()))
            Fail("invalid number: " + Quoted(PeekWord()));
        value.Integer = negative ? -std::int64_t(magnitude) : std::int64_t(magnitude);
        return value;
    }

    // Quoted pieces and #nn codes follow each other directly; "+" joins strings across lines.
    TFormValue ParseString()
    {
        TFormValue value;
        value.Kind = TFormValueKind::String;
        for (;;) {
            if (Peek() == '\'')
                ReadQuoted(value.Text);
            else if (Peek() == '#')
                ReadCharacterCode(value.Text);
            else {
                const std::size_t mark = FPosition;
                const int markLine = FLine;
                SkipBlanks();
                if (Peek() == '+') {
                    Next();
                    SkipBlanks();
                    if (Peek() == '\'' || Peek() == '#')
                        continue;
                    Fail("string expected after '+' but " + Quoted(PeekWord()) + " found");
                }
                FPosition = mark;
                FLine = markLine;
                return value;
            }
        }
    }

    void ReadQuoted(AnsiString& text)
    {
        Next();
        for (;;) {
            if (AtEnd() || Peek() == '\n' || Peek() == '\r')
                Fail("unterminated string");
            const char c = Next();
            if (c != '\'') {
                text += c;
                continue;
            }
            if (Peek() != '\'')
                return;
            text += Next();
        }
    }

    void ReadCharacterCode(AnsiString& text)
    {
        Next();
        const bool hex = Peek() == '$';
        if (hex)
            Next();
        if (!(hex ? IsHexDigit(Peek()) : IsDigit(Peek())))
            Fail("character code expected after '#'");
        std::uint32_t code = 0;
        while (hex ? IsHexDigit(Peek()) : IsDigit(Peek())) {
            code = code * (hex ? 16 : 10) + std::uint32_t(HexDigitValue(Next()));
            if (code > 0x10FFFF)
                Fail("character code out of range");
        }
        if (code >= 0xD800 && code <= 0xDFFF)
            Fail("character code out of range");
        AppendUtf8(text, code);
    }

    TFormValue ParseSet()
    {
        TFormValue value;
        value.Kind = TFormValueKind::Set;
        Next();
        SkipBlanks();
        if (Peek() == ']') {
            Next();
            return value;
        }
        for (;;) {
            value.Elements.push_back(ReadIdentifier("set element"));
            SkipBlanks();
            if (Peek() == ']') {
                Next();
                return value;
            }
            Expect(',');
        }
    }

    TFormValue ParseList()
    {
        TFormValue value;
        value.Kind = TFormValueKind::List;
        Next();
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("')' expected but end of text found");
            if (Peek() == ')') {
                Next();
                return value;
            }
            const auto nesting = EnterNesting();
            value.Items.push_back(ParseValue());
        }
    }

    TFormValue ParseBinary()
    {
        TFormValue value;
        value.Kind = TFormValueKind::Binary;
        Next();
        int pending = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("'}' expected but end of text found");
            const char c = Next();
            if (c == '}')
                break;
            if (!IsHexDigit(c))
                Fail(AnsiString("hexadecimal digit expected in binary data but '") + c + "' found");
            if (pending < 0)
                pending = HexDigitValue(c);
            else {
                value.Bytes.push_back(std::uint8_t(pending * 16 + HexDigitValue(c)));
                pending = -1;
            }
        }
        if (pending >= 0)
            Fail("binary data with an odd number of digits");
        return value;
    }

    std::string_view FText;
    int FNesting = 0;
    std::size_t FPosition = 0;
    int FLine = 1;
};

} // namespace

TFormObject ParseFormText(std::string_view text)
{
    return TFormTextParser(text).ParseRoot();
}

AnsiString DescribeFormValue(const TFormValue& value)
{
    switch (value.Kind) {
    case TFormValueKind::Integer:
        return "the number " + IntToStr(value.Integer);
    case TFormValueKind::String:
        return "the string '" + value.Text + "'";
    case TFormValueKind::Identifier:
        return "the identifier " + value.Text;
    case TFormValueKind::Set:
        return "a set";
    case TFormValueKind::List:
        return "a list";
    case TFormValueKind::Binary:
        return "binary data";
    }
    return "a value";
}
