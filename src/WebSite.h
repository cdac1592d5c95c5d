#pragma once
// The maker's web site: the address the link label shows, and the pages the
// link opens for each language. Plain http: the link is only ever handed to
// the user's browser, which follows any redirect the site makes.
namespace lumetra::WebSite {

inline constexpr const char* kAddress = "www.corvanesoft.example";
inline constexpr const char* kEnglishPage = "http://www.corvanesoft.example";
inline constexpr const char* kRomanianPage = "http://www.corvanesoft.example/ro";

} // namespace lumetra::WebSite
