#include "tests/support/FontReaderExercise.h"

#include <cstdlib>

#include "fontfile/ResourceNames.h"
#include "fontfile/cTrueTypeInfo.h"

void ExerciseFontReaders(std::span<const uint8_t> bytes) {
  cTrueTypeInfo reader(bytes);
  reader.VerifyFormat();
  // The format check reads the offset table and the directory, nothing more.
  if (reader.BytesRead() > bytes.size()) std::abort();
  size_t tagLength = 0;
  for (const auto& tag : reader.TableList()) tagLength += tag.size();
  if (tagLength != 4 * reader.TableList().size()) std::abort();

  reader.LoadFontInfo();
  size_t textLength = reader.Copyright().size() + reader.FontFamily().size() +
                      reader.FontSubFamily().size() + reader.FontIdentifier().size() +
                      reader.FullFamilyName().size() + reader.Version().size() +
                      reader.Trademark().size() + reader.Vendor().size() +
                      reader.Author().size() + reader.Description().size() +
                      reader.VendorURL().size() + reader.AuthorURL().size() +
                      reader.License().size() + reader.LicenseURL().size() +
                      reader.Additional().size();
  // However the counts are forged, the reader's limit on converted text keeps
  // the texts within a few times the file's length (one character per two
  // bytes, CR LF per record).
  if (textLength > 5 * bytes.size()) std::abort();

  // Names given to keep are empty, so that every byte of the result comes
  // from the input.
  const ResourceNames names = ParseResourceNames(bytes, {"", ""});
  if (names.title.size() > bytes.size() || names.face.size() > bytes.size()) std::abort();
}
