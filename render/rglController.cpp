#include "render/rglController.h"

#include <algorithm>
#include <deque>

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Camera.h"
#include "core/Event_Effect.h"
#include "core/Event_Scissor.h"
#include "core/Event_Screen.h"
#include "core/Event_View.h"
#include "core/Event_Viewport.h"
#include "render/RenderQueue.h"
#include "render/rglDrawState.h"
#include "render/rglMaterialLoader.h"
#include "render/rglErrors.h"
#include "render/rglRenderBuffer.h"
#include "render/rglVertexBufferObject.h"

#include <GL/glew.h>
#include <GL/glu.h>
#include <GLFW/glfw3.h>

namespace RGL {

namespace {

const float s_defaultMaxLineWidth = 1000.0f;

// The projection needs a positive size and 0 < near < far (perspective).
bool hasArea(const Render::ViewData& view)
{
    return view.w > 0 && view.h > 0;
}

void applyCamera(const EVT::Event_Camera& camera)
{
    const MathStuff::Vector3<float>& f = camera.direction;
    const MathStuff::Vector3<float>& u = camera.up;
    const MathStuff::Vector3<float> back(-f.x, -f.y, -f.z);
    const MathStuff::Vector3<float> s = crossProduct(u, back);
    const GLfloat matrix[16] = {s.x, u.x, back.x, 0, s.y, u.y, back.y, 0,
                                s.z, u.z, back.z, 0, 0,   0,   0,      1};
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMultMatrixf(matrix);
    glTranslatef(-camera.position.x, -camera.position.y, -camera.position.z);
}

void applyScissor(const EVT::Event_Scissor& scissor)
{
    if (scissor.enable) {
        glScissor(scissor.x, scissor.y, scissor.width, scissor.height);
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
}

// Takes the value unless it is the field's keep value; answers whether it did.
template <typename T>
bool merge(T& field, T value, T keep)
{
    if (value == keep)
        return false;
    field = value;
    return true;
}

// RGBA byte rows are whole words, so alignment 4 never pads them; a wider
// alignment a caller left set would pad odd widths and run past the buffer.
// The caller's setting comes back when the copy is done.
class WordRows {
public:
    explicit WordRows(GLenum which) : m_which(which)
    {
        glGetIntegerv(which, &m_saved);
        glPixelStorei(which, 4);
    }
    ~WordRows() { glPixelStorei(m_which, m_saved); }
    WordRows(const WordRows&) = delete;
    WordRows& operator=(const WordRows&) = delete;

private:
    GLenum m_which;
    GLint m_saved = 4;
};

void switchCap(GLenum cap, int value)
{
    if (value == 1)
        glEnable(cap);
    else if (value == 2)
        glDisable(cap);
}

} // namespace

struct rglController::Impl {
    explicit Impl(const ViewData& initial) : view(initial) {}

    ViewData view;
    std::deque<ViewData> stack;
    float maxLineWidth = s_defaultMaxLineWidth;
    bool lineSmooth = false; // GL_LINE_SMOOTH as the effects set it
    bool smoothInForce = false; // GL_LINE_SMOOTH as GL has it now (off in a new context)
    Render::OGL::RenderQueue queue;
    rglDrawState drawState;

    void setRect(int x, int y, int w, int h)
    {
        view.x = x;
        view.y = y;
        view.w = w;
        view.h = h;
    }
    void applyView(const EVT::Event_View& event);
    void setOrthographic(float eventNear);
    void setPerspective();
    void applyEffect(const EVT::Event_Effect& effect);
    void applyFog(const EVT::Event_Effect& effect) const;
    void applyLineWidth(float width) const;
    void smoothLines(bool on);
};

void rglController::Impl::applyView(const EVT::Event_View& event)
{
    if (event.mode == EVT::Event_View::ORTHOGRAPHIC)
        setOrthographic(event.view.near);
    else if (event.mode == EVT::Event_View::PERSPECTIVE)
        setPerspective();
}

void rglController::Impl::setOrthographic(float eventNear)
{
    // A zero-sized view would give a degenerate matrix: the last projection stays.
    if (!hasArea(view))
        return;
    const double w = view.w;
    const double h = view.h;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(w - w * view.zoomX, w * view.zoomX, h - h * view.zoomY, h * view.zoomY,
            eventNear != 0.0f ? eventNear : -1.0, view.far);
    glDisable(GL_DEPTH_TEST);
}

void rglController::Impl::setPerspective()
{
    // An angle of 0 would leave the identity, 180 or more a flat or mirrored view.
    const double fovy = view.zoomX * view.fov;
    if (!hasArea(view) || !(view.near > 0.0f) || !(view.far > view.near) || !(fovy > 0.0) ||
        !(fovy < 180.0))
        return;
    const double aspect = static_cast<double>(view.w) / static_cast<double>(view.h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovy, aspect, view.near, view.far);
    glEnable(GL_DEPTH_TEST);
}

void rglController::Impl::applyFog(const EVT::Event_Effect& effect) const
{
    if (effect.fogStart == 0)
        return;
    if (effect.fogStart == 100) {
        glDisable(GL_FOG);
        return;
    }
    const GLfloat colour[4] = {effect.red / 255.0f, effect.green / 255.0f, effect.blue / 255.0f,
                               effect.alpha / 255.0f};
    glFogfv(GL_FOG_COLOR, colour);
    glFogf(GL_FOG_START, static_cast<float>(effect.fogStart) * view.far / 100.0f);
    glFogf(GL_FOG_END, static_cast<float>(effect.fogEnd) * view.far / 100.0f);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glEnable(GL_FOG);
}

void rglController::Impl::applyEffect(const EVT::Event_Effect& effect)
{
    applyFog(effect);
    if (effect.scaleX != 0.0f || effect.scaleY != 0.0f || effect.scaleZ != 0.0f)
        glScalef(effect.scaleX, effect.scaleY, effect.scaleZ);
    switchCap(GL_DEPTH_TEST, effect.depthTest);
    if (effect.maxLineWidth > 0.0f)
        maxLineWidth = effect.maxLineWidth;
    else if (effect.maxLineWidth < 0.0f)
        maxLineWidth = s_defaultMaxLineWidth;
    applyLineWidth(effect.lineWidth);
    switchCap(GL_LINE_SMOOTH, effect.lineSmooth);
    if (effect.lineSmooth == 1 || effect.lineSmooth == 2) {
        lineSmooth = effect.lineSmooth == 1;
        smoothInForce = lineSmooth;
    }
}

void rglController::Impl::smoothLines(bool on)
{
    if (on == smoothInForce)
        return;
    if (on)
        glEnable(GL_LINE_SMOOTH);
    else
        glDisable(GL_LINE_SMOOTH);
    smoothInForce = on;
}

void rglController::Impl::applyLineWidth(float width) const
{
    if (width != 0.0f)
        glLineWidth(std::min(width, maxLineWidth));
}

rglController::rglController(const ViewData& initial) : m_impl(new Impl(initial))
{
}

rglController::~rglController()
{
    // GL objects must not outlive the context, which goes soon after the
    // controller; the materials stay registered and load again on use.
    m_impl->drawState.keep(false);
    rglMaterialLoader::instance().release();
}

void rglController::handleEvent(EVT::I_Event* event)
{
    if (const EVT::Event_Camera* camera = EVT::eventCast<EVT::Event_Camera>(event)) {
        applyCamera(*camera);
    } else if (const EVT::Event_View* view = EVT::eventCast<EVT::Event_View>(event)) {
        setViewData(view->view);
        m_impl->applyView(*view);
    } else if (const EVT::Event_Screen* screen = EVT::eventCast<EVT::Event_Screen>(event)) {
        m_impl->setRect(0, 0, screen->width, screen->height);
        setViewport();
    } else if (const EVT::Event_Viewport* viewport = EVT::eventCast<EVT::Event_Viewport>(event)) {
        m_impl->setRect(viewport->x, viewport->y, viewport->width, viewport->height);
        setViewport();
    } else if (const EVT::Event_Scissor* scissor = EVT::eventCast<EVT::Event_Scissor>(event)) {
        applyScissor(*scissor);
    } else if (const EVT::Event_Effect* effect = EVT::eventCast<EVT::Event_Effect>(event)) {
        m_impl->applyEffect(*effect);
    }
}

void rglController::init()
{
    setVsync();
    glEnable(GL_CULL_FACE);
    EVT::EventBus* bus = EVT::EventBus::instance();
    for (int id : {EVT::EVENT_SCREEN, EVT::EVENT_VIEWPORT, EVT::EVENT_SCISSOR, EVT::EVENT_CAMERA,
                   EVT::EVENT_VIEW, EVT::EVENT_EFFECT})
        bus->addConsumer(id, this);
    EVT::Event_View view(EVT::EVENT_VIEW, EVT::Event_View::PERSPECTIVE, ViewData());
    bus->raiseEvent(&view, false);
}

void rglController::pushViewData()
{
    m_impl->stack.push_back(m_impl->view);
}

void rglController::popViewData()
{
    if (m_impl->stack.empty())
        return;
    const ViewData saved = m_impl->stack.back();
    setViewData(saved);
    m_impl->stack.pop_back();
}

void rglController::setViewData(const ViewData& data)
{
    ViewData& view = m_impl->view;
    merge(view.fov, data.fov, 0.0f);
    // Each given field counts, also one equal to the current value.
    const bool viewportGiven = merge(view.x, data.x, -1) | merge(view.y, data.y, -1) |
                               merge(view.w, data.w, 0) | merge(view.h, data.h, 0);
    merge(view.near, data.near, 0.0f);
    merge(view.far, data.far, 0.0f);
    merge(view.zoomX, data.zoomX, 0.0f);
    merge(view.zoomY, data.zoomY, 0.0f);
    if (data.vsync != -1) {
        view.vsync = data.vsync;
        setVsync();
    }
    if (viewportGiven)
        setViewport();
}

const Render::ViewData& rglController::getViewData() const
{
    return m_impl->view;
}

MathStuff::Vector3<float> rglController::getPickRay(int x, int y) const
{
    GLdouble modelview[16] = {};
    GLdouble projection[16] = {};
    GLint viewport[4] = {};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double windowY = viewport[3] - y;
    GLdouble nearPoint[3] = {};
    GLdouble farPoint[3] = {};
    if (gluUnProject(x, windowY, 0.0, modelview, projection, viewport, &nearPoint[0],
                     &nearPoint[1], &nearPoint[2]) != GL_TRUE ||
        gluUnProject(x, windowY, 1.0, modelview, projection, viewport, &farPoint[0], &farPoint[1],
                     &farPoint[2]) != GL_TRUE)
        return MathStuff::Vector3<float>(0, 0, 0);
    return MathStuff::Vector3<float>(static_cast<float>(farPoint[0] - nearPoint[0]),
                                     static_cast<float>(farPoint[1] - nearPoint[1]),
                                     static_cast<float>(farPoint[2] - nearPoint[2]));
}

Render::I_RenderQueue* rglController::getRenderQueue()
{
    return &m_impl->queue;
}

void rglController::copyScreen(unsigned char* rgba, int x, int y, int w, int h)
{
    if (rgba == nullptr || w <= 0 || h <= 0)
        return;
    {
        const WordRows rows(GL_PACK_ALIGNMENT);
        glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    }
    drainErrors();
}

void rglController::showScreen(unsigned char* rgba, int x, int y, int w, int h)
{
    if (rgba == nullptr || w <= 0 || h <= 0)
        return;
    glPushAttrib(GL_TRANSFORM_BIT | GL_VIEWPORT_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // A 2 x 2 viewport around the pixel puts the raster position exactly on it,
    // also at the window's edge where a plain raster position would be clipped.
    glDepthRange(1.0, 1.0);
    glViewport(x - 1, y - 1, 2, 2);
    glRasterPos4f(0, 0, 0, 1);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
    const WordRows rows(GL_UNPACK_ALIGNMENT);
    glDrawPixels(w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

bool rglController::lineSmoothing() const
{
    return m_impl->lineSmooth;
}

void rglController::setLineWidth(float width)
{
    m_impl->applyLineWidth(width);
}

void rglController::smoothLines(bool on)
{
    m_impl->smoothLines(on);
}

void rglController::restoreLineSmoothing()
{
    if (!m_impl->drawState.keeping())
        m_impl->smoothLines(m_impl->lineSmooth);
}

void rglController::keepDrawState(bool on)
{
    m_impl->drawState.keep(on);
    if (!on)
        m_impl->smoothLines(m_impl->lineSmooth);
}

rglDrawState& rglController::drawState()
{
    return m_impl->drawState;
}

Render::I_VertexArray* rglController::createVertexArray(int bytes, bool writeOnly)
{
    if (bytes < 0)
        return nullptr;
    rglVertexArray* array = nullptr;
    if (rglVertexBufferObject::VBOsSupported())
        array = new rglVertexBufferObject(bytes, writeOnly ? GL_WRITE_ONLY : GL_READ_WRITE);
    else
        array = new rglVertexArray(bytes);
    if (array->getBufferSize() != bytes) {
        delete array;
        return nullptr;
    }
    array->setDrawState(&m_impl->drawState);
    return array;
}

Render::I_RenderBuffer* rglController::createRenderBuffer(int w, int h,
                                                          Render::I_RenderBuffer::RBType type)
{
    rglRenderBuffer* buffer = new rglRenderBuffer(w, h, type);
    if (!buffer->isValid()) {
        delete buffer;
        return nullptr;
    }
    return buffer;
}

void rglController::setVsync()
{
    glfwSwapInterval(m_impl->view.vsync != 0 ? 1 : 0);
}

void rglController::setViewport() const
{
    const ViewData& view = m_impl->view;
    glViewport(view.x, view.y, view.w, view.h);
}

float rglController::getMaxLineWidth() const
{
    return m_impl->maxLineWidth;
}

} // namespace RGL
