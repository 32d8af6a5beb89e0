#pragma once

#include <string>
#include <string_view>

#include "response/read_result.h"
#include "response/response_selection.h"
#include "response/response_table.h"

namespace tovan {

// The response in a text by the file name's extension: .csv (any case) is read as CSV
// (csv_response_reader.h), .sNp and .ts as Touchstone (touchstone_reader.h) followed
// by SelectResponse with pairing. Another extension is refused.
ReadResult<ResponseTable> ReadResponseText(std::string_view text, const std::string& file,
                                           const PortPairing& pairing = {});

// Reads the whole file at path and then as ReadResponseText; a file that cannot be
// opened or read is refused ("cannot be read"). Messages name the path as given.
ReadResult<ResponseTable> LoadResponseFile(const std::string& path, const PortPairing& pairing = {});

}  // namespace tovan
