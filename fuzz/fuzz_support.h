// What the fuzz targets share: a scratch folder of their own, writing an input as a
// file, cutting one input into several texts, the strict XML check of a written
// file, and stopping the run when an invariant fails (the fuzzer keeps that input).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// A folder that lives as long as the process (under $TMPDIR); its path.
QString Fuzz_Folder();

// Writes `bytes` as the file `name` in the scratch folder; returns its path.
QString Fuzz_Write_File(const QString& name, const QByteArray& bytes);

// The raw input as bytes and as UTF-8 text.
QByteArray Fuzz_Bytes(const uint8_t* data, size_t size);
QString Fuzz_Text(const uint8_t* data, size_t size);

// Cuts `bytes` at every `separator` into exactly `count` parts (missing parts are
// empty, the last part takes the rest).
QList<QByteArray> Fuzz_Split(const QByteArray& bytes, char separator, int count);

// An empty text when `text` is well-formed XML 1.0 to a strict reader (one root,
// only characters XML allows, entity and character references that resolve),
// else the reader's complaint with its line and column.
QString Strict_XML_Error(const QByteArray& text);

// The text with its raw line ends as every XML reader hands them on: CR LF and CR
// become LF. A CR in an element's text (only a hand-edited file can put one there,
// as "&#13;") is written raw and so reads back as LF; files that differ only so are
// the same to the program.
QByteArray Xml_Line_Ends(QByteArray text);

// Stops the run with `what` when `condition` is false.
void Fuzz_Require(bool condition, const char* what);
void Fuzz_Require(bool condition, const QString& what);
