#pragma once
// Root of the serialisable classes: a virtual destructor and Serialize.
class CArchive;

class CObject {
public:
  CObject() = default;
  virtual ~CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;

  // Writes (storing) or reads (loading) the object's fields; the base writes nothing.
  virtual void Serialize(CArchive& archive);
};
