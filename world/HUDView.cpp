#include "world/HUDView.h"

#include <cmath>

namespace KWEP {

HUDView::HUDView() : m_centreX(0.0f), m_centreY(0.0f), m_unitsPerPixel(1.0f), m_width(640), m_height(480) {}

bool HUDView::of(const MathStuff::Vector3<float>& camera, float fovDegrees, int width, int height, HUDView& out)
{
    const double halfAngle = fovDegrees * 3.14159265358979 / 360.0;
    if (!(fovDegrees > 0.0f && fovDegrees < 180.0f) || width < 1 || height < 1 || !(camera.z > 0.0f))
        return false;
    const double unitsPerPixel = 2.0 * camera.z * std::tan(halfAngle) / height;
    if (!std::isfinite(unitsPerPixel) || !std::isfinite(camera.x) || !std::isfinite(camera.y))
        return false;
    out.m_centreX = camera.x;
    out.m_centreY = camera.y;
    out.m_unitsPerPixel = static_cast<float>(unitsPerPixel);
    out.m_width = width;
    out.m_height = height;
    return true;
}

MathStuff::Vector3<float> HUDView::place(float xPercent, float yPercent) const
{
    const float right = (xPercent / 100.0f - 0.5f) * static_cast<float>(m_width);
    const float up = (0.5f - yPercent / 100.0f) * static_cast<float>(m_height);
    return MathStuff::Vector3<float>(m_centreX + right * m_unitsPerPixel, m_centreY + up * m_unitsPerPixel, 0.0f);
}

float HUDView::scaleFor(float letterUnits, float heightPercent) const
{
    if (!(letterUnits > 0.0f))
        return 1.0f;
    return heightPercent / 100.0f * static_cast<float>(m_height) * m_unitsPerPixel / letterUnits;
}

bool HUDView::operator==(const HUDView& other) const
{
    return m_centreX == other.m_centreX && m_centreY == other.m_centreY && m_unitsPerPixel == other.m_unitsPerPixel
        && m_width == other.m_width && m_height == other.m_height;
}

} // namespace KWEP
