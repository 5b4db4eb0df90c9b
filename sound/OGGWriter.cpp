#include "sound/OGGWriter.h"

#include <fstream>

#include <vorbis/vorbisenc.h>

namespace SoundMaker {

namespace {

const float QUALITY = 0.2f;
const int BLOCK_FRAMES = 1024;

// The encoder's state; all of it freed by the destructor.
class Encoder {
public:
    Encoder(int channels, int rate, std::ofstream& out) : m_out(out)
    {
        vorbis_info_init(&m_info);
        vorbis_comment_init(&m_comment);
        m_ok = vorbis_encode_init_vbr(&m_info, channels, rate, QUALITY) == 0;
        if (!m_ok)
            return;
        vorbis_analysis_init(&m_dsp, &m_info);
        vorbis_block_init(&m_dsp, &m_block);
        ogg_stream_init(&m_stream, OGGWriter::SERIAL);
        m_started = true;
    }

    ~Encoder()
    {
        if (m_started) {
            ogg_stream_clear(&m_stream);
            vorbis_block_clear(&m_block);
            vorbis_dsp_clear(&m_dsp);
        }
        vorbis_comment_clear(&m_comment);
        vorbis_info_clear(&m_info);
    }

    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool ok() const { return m_ok; }

    void headers()
    {
        ogg_packet id, comment, code;
        vorbis_analysis_headerout(&m_dsp, &m_comment, &id, &comment, &code);
        ogg_stream_packetin(&m_stream, &id);
        ogg_stream_packetin(&m_stream, &comment);
        ogg_stream_packetin(&m_stream, &code);
        // The audio starts on a page of its own.
        ogg_page page;
        while (ogg_stream_flush(&m_stream, &page) != 0)
            writePage(page);
    }

    // Hands frames to the encoder; none marks the end of the stream.
    void feed(const std::int16_t* samples, int frames, int channels)
    {
        if (frames > 0) {
            float** buffer = vorbis_analysis_buffer(&m_dsp, frames);
            for (int i = 0; i < frames; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = samples[i * channels + c] / 32768.0f;
        }
        vorbis_analysis_wrote(&m_dsp, frames);
        drain(frames == 0);
    }

private:
    vorbis_info m_info;
    vorbis_comment m_comment;
    vorbis_dsp_state m_dsp;
    vorbis_block m_block;
    ogg_stream_state m_stream;
    std::ofstream& m_out;
    bool m_ok = false;
    bool m_started = false;

    void writePage(const ogg_page& page)
    {
        m_out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        m_out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }

    void drain(bool last)
    {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&m_dsp, &m_block) == 1) {
            vorbis_analysis(&m_block, nullptr);
            vorbis_bitrate_addblock(&m_block);
            while (vorbis_bitrate_flushpacket(&m_dsp, &packet)) {
                ogg_stream_packetin(&m_stream, &packet);
                while (ogg_stream_pageout(&m_stream, &page) != 0)
                    writePage(page);
            }
        }
        while (last && ogg_stream_flush(&m_stream, &page) != 0)
            writePage(page);
    }
};

} // namespace

bool OGGWriter::write(const std::string& path, const std::vector<std::int16_t>& samples, int channels, int rate)
{
    std::ofstream out(path, std::ios::binary);
    Encoder encoder(channels, rate, out);
    if (!out || !encoder.ok())
        return false;
    encoder.headers();
    const int total = static_cast<int>(samples.size()) / channels;
    for (int done = 0; done < total; done += BLOCK_FRAMES) {
        const int frames = total - done < BLOCK_FRAMES ? total - done : BLOCK_FRAMES;
        encoder.feed(samples.data() + static_cast<std::size_t>(done) * channels, frames, channels);
    }
    encoder.feed(nullptr, 0, channels);
    return static_cast<bool>(out);
}

} // namespace SoundMaker
