// The hidden marker window every instance keeps while it runs; other
// instances count these to enforce the instance limit.
#pragma once

#include "startup/Form.h"

class frmKludge : public Form {
 public:
  // Creates the hidden window captioned "Letterloom Thingy".
  bool Load();
};
