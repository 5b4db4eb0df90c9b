#ifndef RGL_RGLCONTROLLER_H
#define RGL_RGLCONTROLLER_H

#include <memory>

#include "shell/I_RenderController.h"

namespace RGL {

class rglDrawState;

// The OpenGL render back end: turns screen (13), viewport (14), scissor (15),
// camera (9), view (10) and effect (31) events into GL state, keeps the current
// view data and a stack of saved ones, answers pick rays, copies and draws
// screen rectangles and makes vertex arrays and render buffers. It draws
// nothing by itself. No GL call before init, which needs the context current
// (and glewInit done).
class rglController : public Render::I_RenderController {
public:
    // Copies the view data as given (no merge).
    explicit rglController(const ViewData& initial);
    ~rglController() override;

    rglController(const rglController&) = delete;
    rglController& operator=(const rglController&) = delete;

    void handleEvent(EVT::I_Event* event) override;
    // Vertical sync, back-face culling, the six subscriptions, then the
    // perspective projection of the current view data.
    void init() override;
    void pushViewData() override;
    void popViewData() override;
    void setViewData(const ViewData& data) override;
    const ViewData& getViewData() const override;
    // The zero vector when the matrices cannot be inverted.
    MathStuff::Vector3<float> getPickRay(int x, int y) const override;
    Render::I_RenderQueue* getRenderQueue() override;
    void copyScreen(unsigned char* rgba, int x, int y, int w, int h) override;
    void showScreen(unsigned char* rgba, int x, int y, int w, int h) override;
    bool lineSmoothing() const override;
    void setLineWidth(float width) override;
    void smoothLines(bool on) override;
    void restoreLineSmoothing() override;
    // Null for a negative size or when the storage could not be made.
    Render::I_VertexArray* createVertexArray(int bytes, bool writeOnly) override;
    // Null for a type other than RGB or RGBA and whenever the buffer is invalid.
    Render::I_RenderBuffer* createRenderBuffer(int w, int h,
                                               Render::I_RenderBuffer::RBType type) override;

    // Swap interval 1 while the current vsync is non-zero, else 0.
    void setVsync();
    void setViewport() const;
    float getMaxLineWidth() const;
    // What the models drawn in this controller's context leave set from one
    // draw to the next; its vertex arrays report to it.
    rglDrawState& drawState();

protected:
    void keepDrawState(bool on) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace RGL

#endif
