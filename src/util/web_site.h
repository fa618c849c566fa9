// The product's pages on the web: the Help menu's "&Web site" and "Online
// support", and the web copy of the help file's pages.
#pragma once

constexpr char kWebSiteAddress[] = "http://www.velloxsoft.example/";
constexpr char kOnlineSupportAddress[] = "http://www.velloxsoft.example/support/";
constexpr char kOnlineHelpAddress[] = "http://www.velloxsoft.example/help/";
