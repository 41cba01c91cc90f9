// SPDX-License-Identifier: MIT
// The small containers of the runtime library: a list of strings, a bit set, a pointer list.
// Indexes are 0-based; an index outside the list raises EListError.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <vector>

class TStringList {
public:
    int Add(const AnsiString& text); // returns the index of the new string
    void Delete(int index);
    void Clear();
    int Count() const;

    const AnsiString& Strings(int index) const;
    void SetStrings(int index, const AnsiString& text);
    const AnsiString& operator[](int index) const { return Strings(index); }

    // Every string followed by CR LF, the last one too; "" for an empty list.
    AnsiString Text() const;
    // Splits at CR LF, LF or CR; a final line break adds no empty string.
    void SetText(const AnsiString& text);

private:
    std::vector<AnsiString> FStrings;
};

class TBits {
public:
    // Sizes past this raise EListError, so a stray index cannot take all memory.
    static constexpr int MaxSize = 1 << 28;

    int Size() const; // default 0
    void SetSize(int size);

    bool Bits(int index) const;           // index must lie below Size
    void SetBits(int index, bool value);  // grows Size to index + 1 when needed
    bool operator[](int index) const { return Bits(index); }

    // Index of the first clear bit; Size when every bit is set.
    int OpenBit() const;

private:
    std::vector<bool> FBits;
};

class TList {
public:
    int Add(void* item); // returns the index of the new item
    void Delete(int index);
    void Clear();
    int Count() const;

    void* Items(int index) const;
    void SetItems(int index, void* item);
    void* operator[](int index) const { return Items(index); }

    int IndexOf(const void* item) const; // -1 when absent
    int Remove(const void* item);        // the index it had, or -1 when absent

private:
    std::vector<void*> FItems;
};
