#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::web {

// The header lines a fetch sends whatever the caller gives, each added only when the
// caller's text lacks a line of that name.
inline constexpr std::string_view kAcceptHeader =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*";
inline constexpr std::string_view kAcceptLanguageHeader = "Accept-Language: zh-cn";
inline constexpr std::string_view kFormContentType =
    "Content-Type: application/x-www-form-urlencoded";

// True when a line of the header text starts with `name` followed by ":" (ASCII
// letter case ignored).
bool hasHeader(std::string_view headers, std::string_view name);

// The caller's header text completed for a request: Accept, "Referer: " + the
// address and Accept-Language when absent; for POST, the form Content-Type when there
// is data and none is given, and always "Content-Length: " + the data's byte count
// (a caller's own length line is replaced: a wrong length would cut or hang the
// request). Every line ends with "\r\n".
std::string completeRequestHeaders(std::string_view headers, std::string_view method,
                                   std::string_view address, std::string_view postData);

// The lines of a header text, without line ends; blank lines and lines that are no
// "name: value" are left out.
std::vector<std::string> headerLines(std::string_view headers);

}  // namespace zeruda::web
