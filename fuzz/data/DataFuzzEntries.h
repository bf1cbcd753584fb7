#pragma once

#include <cstddef>
#include <cstdint>

namespace Kordex::Fuzz {

// The bodies of the production-data fuzz targets, plain functions so that the
// normal test build can run them over the seed corpus. Each aborts when the
// reader breaks one of its promises (sizes that disagree, a search that
// finds nothing but moves the reader).

// The bytes as a summary file: the machine summary reader with and without
// filters, and every kind of search of the summary-file reader.
int SummaryReaderInput(const uint8_t* data, size_t size);

// The bytes as a date-time text.
int ParseDateTimeInput(const uint8_t* data, size_t size);

}  // namespace Kordex::Fuzz
