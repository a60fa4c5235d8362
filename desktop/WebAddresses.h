#pragma once

// The maker's web addresses. The hosts are reserved example domains until the real ones are settled.
namespace WebAddresses {

inline constexpr const char* homePage = "https://www.example.com/"; // front page of the maker's site
inline constexpr const char* helpPage = "https://www.example.com/ondara/ondara-help.html";
inline constexpr const char* updatePage = "https://www.example.com/ondara/download-ondara.html";
inline constexpr const char* coBrandPage = "https://help.example.org/co-brand.html"; // the maker's help site
inline constexpr const char* fullBrandPage = "https://help.example.org/fully-branded.html";
inline constexpr const char* softwaresPage = "https://www.example.com/software.html";
inline constexpr const char* referralPage = "https://www.example.com/cgi-bin/refer-a-friend.cgi";
inline constexpr const char* programFolder = "https://www.example.com/ondara/";
// Not the maker's: a public web search that needs no key and takes the query in "q", for the coordinate look-up.
inline constexpr const char* webSearch = "https://duckduckgo.com/";
inline constexpr const char* siteName = "www.example.com"; // as the labels that invite a visit name it

} // namespace WebAddresses
