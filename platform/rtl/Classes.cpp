// SPDX-License-Identifier: MIT
#include "platform/rtl/Classes.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

[[noreturn]] void RaiseIndexError(int index)
{
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

template <typename Container>
void CheckIndex(const Container& container, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= container.size())
        RaiseIndexError(index);
}

template <typename Container>
void EraseAt(Container& container, int index)
{
    CheckIndex(container, index);
    container.erase(container.begin() + index);
}

template <typename Container, typename Value>
int AppendTo(Container& container, Value&& value)
{
    if (container.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw EListError("The list is full");
    container.push_back(std::forward<Value>(value));
    return static_cast<int>(container.size() - 1);
}

} // namespace

int TStringList::Add(const AnsiString& text)
{
    return AppendTo(FStrings, text);
}

void TStringList::Delete(int index)
{
    EraseAt(FStrings, index);
}

void TStringList::Clear()
{
    FStrings.clear();
}

int TStringList::Count() const
{
    return static_cast<int>(FStrings.size());
}

const AnsiString& TStringList::Strings(int index) const
{
    CheckIndex(FStrings, index);
    return FStrings[static_cast<std::size_t>(index)];
}

void TStringList::SetStrings(int index, const AnsiString& text)
{
    CheckIndex(FStrings, index);
    FStrings[static_cast<std::size_t>(index)] = text;
}

AnsiString TStringList::Text() const
{
    AnsiString result;
    for (const AnsiString& line : FStrings) {
        result += line;
        result += "\r\n";
    }
    return result;
}

void TStringList::SetText(const AnsiString& text)
{
    FStrings.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lineEnd = std::min(text.find_first_of("\r\n", start), text.size());
        FStrings.push_back(text.substr(start, lineEnd - start));
        if (lineEnd == text.size())
            break;
        start = lineEnd + 1;
        if (text[lineEnd] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

int TBits::Size() const
{
    return static_cast<int>(FBits.size());
}

void TBits::SetSize(int size)
{
    if (size < 0 || size > MaxSize)
        throw EListError("Bits index out of range (" + IntToStr(size) + ")");
    FBits.resize(static_cast<std::size_t>(size), false);
}

bool TBits::Bits(int index) const
{
    if (index < 0 || index >= Size())
        throw EListError("Bits index out of range (" + IntToStr(index) + ")");
    return FBits[static_cast<std::size_t>(index)];
}

void TBits::SetBits(int index, bool value)
{
    if (index < 0 || index >= MaxSize)
        throw EListError("Bits index out of range (" + IntToStr(index) + ")");
    if (index >= Size())
        SetSize(index + 1);
    FBits[static_cast<std::size_t>(index)] = value;
}

int TBits::OpenBit() const
{
    const auto found = std::find(FBits.begin(), FBits.end(), false);
    return static_cast<int>(found - FBits.begin());
}

int TList::Add(void* item)
{
    return AppendTo(FItems, item);
}

void TList::Delete(int index)
{
    EraseAt(FItems, index);
}

void TList::Clear()
{
    FItems.clear();
}

int TList::Count() const
{
    return static_cast<int>(FItems.size());
}

void* TList::Items(int index) const
{
    CheckIndex(FItems, index);
    return FItems[static_cast<std::size_t>(index)];
}

void TList::SetItems(int index, void* item)
{
    CheckIndex(FItems, index);
    FItems[static_cast<std::size_t>(index)] = item;
}

int TList::IndexOf(const void* item) const
{
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    if (found == FItems.end())
        return -1;
    return static_cast<int>(found - FItems.begin());
}

int TList::Remove(const void* item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}
