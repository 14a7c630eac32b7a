// The maker's web addresses the program uses: its home page (main window and
// About), the download page (the "new version" links) and the version query. All
// lie on one site, which tests may point at a loopback server.
#pragma once

#include <QString>

// "http://" + the maker's domain, unless a test set another site.
QString Maker_Site();
// Sets the site ("http://127.0.0.1:port" in tests); an empty text restores the maker's.
void Set_Maker_Site(const QString& site);

// Home page: "/HOME/default.asp" with the query key "frompg" = the software code.
QString Home_Page_Link();
// Download page: "/Home/download/download.asp" with the hardware code as anchor.
QString Download_Page_Link();
// Version query: "/home/download/GetversionSW.asp" with the query key "nomesw" = the
// software code.
QString Version_Query_Link();

// The caption of a link label that leads to the download page with `text`.
QString Download_Link_Caption(const QString& text);
