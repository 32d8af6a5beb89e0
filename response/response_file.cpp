#include "response/response_file.h"

#include <fstream>
#include <filesystem>

#include "response/csv_response_reader.h"
#include "response/port_count_from_name.h"
#include "response/text_lines.h"
#include "response/touchstone_reader.h"

namespace tovan {

namespace {

std::string Extension(const std::string& file) {
  const std::size_t dot = file.rfind('.');
  const std::size_t slash = file.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return Lowered(std::string_view(file).substr(dot + 1));
}

}  // namespace

ReadResult<ResponseTable> ReadResponseText(std::string_view text, const std::string& file,
                                           const PortPairing& pairing) {
  const std::string extension = Extension(file);
  if (extension == "csv") return ReadCsvResponse(text, file);
  if (extension == "ts" || PortCountFromName(file) > 0) {
    ReadResult<NetworkData> network = ReadTouchstone(text, file);
    if (!network.value) return {std::nullopt, network.error};
    return SelectResponse(*network.value, pairing, file);
  }
  return Refused<ResponseTable>(
      file, 0, "unknown kind of file: a response is read from .s2p, .s4p, .ts or .csv files");
}

ReadResult<ResponseTable> LoadResponseFile(const std::string& path, const PortPairing& pairing) {
  std::error_code error;
  if (!std::filesystem::exists(path, error))
    return Refused<ResponseTable>(path, 0, "no such file");
  if (!std::filesystem::is_regular_file(path, error))
    return Refused<ResponseTable>(path, 0, "not a file");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  std::string text(error ? 0 : size, '\0');
  if (error || !in || !in.read(text.data(), static_cast<std::streamsize>(text.size())))
    return Refused<ResponseTable>(path, 0, "cannot be read");
  return ReadResponseText(text, path, pairing);
}

}  // namespace tovan
