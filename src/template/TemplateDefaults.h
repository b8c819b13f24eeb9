#pragma once
// The five designer defaults a new template takes (see CPrintTemplate::ApplyDefaults).
// CProperties implements this from the settings store; hosts and tests may
// supply their own.

#include <QString>

namespace kyt
{

class TemplateDefaults
{
public:
    virtual ~TemplateDefaults() = default;
    virtual double DefaultWidth() const = 0; // inches
    virtual double DefaultHeight() const = 0; // inches
    virtual QString DefaultTarget() const = 0; // target application ProgId
    virtual qint16 DefaultOrientation() const = 0; // 1 portrait, 2 landscape
    virtual bool DefaultDuplex() const = 0;
};

} // namespace kyt
