#pragma once
// Plain HTTP/1.1 GET requests to the client service.

#include <string>

namespace ylcs {

// Sends a GET to an "http://" URL and ignores the answer; true when the request was sent.
bool HttpPing(const std::string& url);

}  // namespace ylcs
