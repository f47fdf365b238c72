// The maker's web site, named once for the about box and the link pages.
#pragma once

inline constexpr char kMakerWebSite[] = "http://www.moonquarry.example/";
