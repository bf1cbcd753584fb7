#pragma once

#include <cstdint>
#include <string>

#include "runtime/Variant.h"

namespace Common {

// The system's settings in the machine root of the registry store: one key per
// application and section ("Software\Tavro\<App>\<Section>"), one value per
// setting. Numbers are stored as 32-bit numbers, everything else as text.

// The stored value (text, a Long, or a byte array), or defaultValue when the key or
// the value is missing or holds an empty text.
Runtime::Variant GetRegSetting(const std::string& app, const std::string& section,
                               const std::string& key, const Runtime::Variant& defaultValue);

// Stores value: as a 32-bit number (rounded, halves to even) when it reads as a
// number, else as text. The key is made when missing. A failed write is not
// raised (the store reports it); a number out of the 32-bit range raises
// overflow (6).
void SaveRegSetting(const std::string& app, const std::string& section, const std::string& key,
                    const Runtime::Variant& value);

// "Software\Tavro\" and app, then "\" and section when section is not empty.
std::string BuildKeyPath(const std::string& app, const std::string& section);

// The value valueName of the key (see QueryRegValue), Empty when the key or the
// value cannot be read.
Runtime::Variant ReadRegValue(const std::string& keyPath, const std::string& valueName);

// Writes the value with the type valueType (1 text, 3 bytes, 4 number) into the
// key, made when missing. The result of the write is dropped.
void WriteRegValue(const std::string& keyPath, const std::string& valueName,
                   const Runtime::Variant& value, int32_t valueType);

// Writes one value into an open key: type 1 as text, 3 as bytes, 4 as a 32-bit
// number; any other type writes nothing and answers 0. The store's result.
int32_t SetRegValue(int32_t keyHandle, const std::string& valueName, int32_t valueType,
                    const Runtime::Variant& value);

// Reads one value of an open key into result: a text (without its terminating
// NUL), a byte array or a Long. Answers the store's result; -1 for a value of
// another type. result keeps what it held when nothing could be read.
int32_t QueryRegValue(int32_t keyHandle, const std::string& valueName, Runtime::Variant& result);

}  // namespace Common
