#pragma once
// The tools that place a new object: a rubber band dragged on the card (or
// Enter, for a start size in the middle of the front) becomes a control of
// the tool's kind dressed with the designer defaults. One class per kind;
// each says what its new control looks like.

#include "designer/DesignTool.h"

namespace kyt
{

class CProperties;

class KYTWIDGETS_PRIVATE_EXPORT PlaceTool : public DesignTool
{
public:
    PlaceTool(frmPreview& window, QString key, float startWidth, float startHeight);

    QCursor cursor() const override { return QCursor(Qt::CrossCursor); }
    QString hint() const override;

    void start(float x, float y) override;
    void drag(float x, float y) override;
    // Turns the band into the new control, selects it and goes back to
    // the select tool.
    void finish(float x, float y) override;
    bool placeFromKeyboard() override;
    void cancel() override;

protected:
    // The new control's own defaults (it already has the band's box).
    virtual void dress(DesignControl& c, const CProperties* defaults) const = 0;
    // After the control is on the card.
    virtual void placed(DesignControl&) const { }

private:
    float m_startWidth, m_startHeight;
    // The band's anchor and current corner.
    float m_x0 = 0, m_y0 = 0, m_x1 = 0, m_y1 = 0;
};

class KYTWIDGETS_PRIVATE_EXPORT PhotoTool : public PlaceTool
{
public:
    explicit PhotoTool(frmPreview& window);

protected:
    void dress(DesignControl& c, const CProperties* defaults) const override;
    // A card holds one photo: the tool is disabled while it has one.
    void placed(DesignControl& c) const override;
};

class KYTWIDGETS_PRIVATE_EXPORT LogoTool : public PlaceTool
{
public:
    explicit LogoTool(frmPreview& window);

protected:
    void dress(DesignControl& c, const CProperties* defaults) const override;
};

class KYTWIDGETS_PRIVATE_EXPORT RectangleTool : public PlaceTool
{
public:
    explicit RectangleTool(frmPreview& window);

protected:
    void dress(DesignControl& c, const CProperties* defaults) const override;
};

// Data fields and static texts take the default font, colours and fit.
class KYTWIDGETS_PRIVATE_EXPORT TextualTool : public PlaceTool
{
public:
    // caption: the untranslated placeholder text, translated when placed.
    TextualTool(frmPreview& window, QString key, const char* caption);

protected:
    void dress(DesignControl& c, const CProperties* defaults) const override;

private:
    const char* m_caption;
};

class KYTWIDGETS_PRIVATE_EXPORT DataTool : public TextualTool
{
public:
    explicit DataTool(frmPreview& window);
};

class KYTWIDGETS_PRIVATE_EXPORT TextTool : public TextualTool
{
public:
    explicit TextTool(frmPreview& window);
};

class KYTWIDGETS_PRIVATE_EXPORT LineTool : public PlaceTool
{
public:
    explicit LineTool(frmPreview& window);

protected:
    // The line runs along the band's longer side.
    void dress(DesignControl& c, const CProperties* defaults) const override;
};

} // namespace kyt
