#ifndef TESTSUPPORT_FAKERENDERCONTROLLER_H
#define TESTSUPPORT_FAKERENDERCONTROLLER_H

#include <string>
#include <vector>

#include "FakeVertexArray.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_View.h"
#include "shell/I_RenderController.h"

namespace TestSupport {

// A render controller without GL. Its view starts at 640 x 480 (near 1, far
// 1000, fov 33, no zoom); setViewData merges by the keep values; view events
// are counted from construction on (their last mode kept); showScreen calls are
// recorded. Vertex arrays are FakeVertexArray; render buffers are not made.
// With a log, init is recorded as "render.init". The line smoothing it
// answers is the field's; the line widths it is told are recorded.
class FakeRenderController : public Render::I_RenderController {
public:
    struct Shown {
        int x, y, w, h;
        std::vector<unsigned char> firstPixel; // R, G, B, A of the lower-left pixel
    };

    explicit FakeRenderController(std::vector<std::string>* log = nullptr) : m_log(log)
    {
        view.near = 1.0f;
        view.far = 1000.0f;
        view.fov = 33.0f;
        view.x = 0;
        view.y = 0;
        view.w = 640;
        view.h = 480;
        view.zoomX = 1.0f;
        view.zoomY = 1.0f;
        view.vsync = 1;
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_VIEW, this);
    }

    void handleEvent(EVT::I_Event* event) override
    {
        if (const EVT::Event_View* v = EVT::eventCast<EVT::Event_View>(event)) {
            ++viewEvents;
            lastViewMode = v->mode;
            setViewData(v->view);
        }
    }

    void init() override
    {
        ++initCount;
        if (m_log)
            m_log->push_back("render.init");
    }
    void pushViewData() override { saved.push_back(view); }
    void popViewData() override
    {
        if (saved.empty())
            return;
        const ViewData back = saved.back();
        saved.pop_back();
        setViewData(back);
    }
    void setViewData(const ViewData& data) override
    {
        if (data.near != 0.0f) view.near = data.near;
        if (data.far != 0.0f) view.far = data.far;
        if (data.fov != 0.0f) view.fov = data.fov;
        if (data.x != -1) view.x = data.x;
        if (data.y != -1) view.y = data.y;
        if (data.w != 0) view.w = data.w;
        if (data.h != 0) view.h = data.h;
        if (data.zoomX != 0.0f) view.zoomX = data.zoomX;
        if (data.zoomY != 0.0f) view.zoomY = data.zoomY;
        if (data.vsync != -1) view.vsync = data.vsync;
    }
    const ViewData& getViewData() const override { return view; }
    MathStuff::Vector3<float> getPickRay(int, int) const override { return pickRay; }
    Render::I_RenderQueue* getRenderQueue() override { return nullptr; }
    void copyScreen(unsigned char*, int, int, int, int) override {}
    void showScreen(unsigned char* rgba, int x, int y, int w, int h) override
    {
        Shown shown{x, y, w, h, std::vector<unsigned char>()};
        if (rgba)
            shown.firstPixel.assign(rgba, rgba + 4);
        screens.push_back(shown);
    }
    bool lineSmoothing() const override { return smoothing; }
    void setLineWidth(float width) override { lineWidths.push_back(width); }
    Render::I_VertexArray* createVertexArray(int bytes, bool) override
    {
        return new FakeVertexArray(bytes);
    }
    Render::I_RenderBuffer* createRenderBuffer(int, int, Render::I_RenderBuffer::RBType) override
    {
        return nullptr;
    }

    ViewData view;
    std::vector<ViewData> saved;
    MathStuff::Vector3<float> pickRay{0.0f, 0.0f, -1.0f};
    int initCount = 0;
    int viewEvents = 0;
    int lastViewMode = -1;
    std::vector<Shown> screens;
    bool smoothing = false;
    std::vector<float> lineWidths;

private:
    std::vector<std::string>* m_log;
};

} // namespace TestSupport

#endif
