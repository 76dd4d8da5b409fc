"""What the short films show, one drawing function per film. Each draws the
frame at time t (seconds) of a film of the given length onto a cleared
context of w x h pixels; sound tracks for some films are below too."""
import math
import random

import cairo

import audio_effects
from audio_synth import bandpass, envelope, gain, mix, noise, tone
from common import ellipse, label, rect, rgb


def ease(x):
    x = max(0.0, min(1.0, x))
    return x * x * (3 - 2 * x)


def phase(t, start, end):
    """0 before start, 1 after end, eased in between."""
    return ease((t - start) / (end - start))


def black(ctx, w, h, t, seconds):
    pass


def centred(ctx, text, x, y, size, color, bold=True, font="Liberation Sans"):
    ctx.select_font_face(font, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    ext = ctx.text_extents(text)
    ctx.set_source_rgb(*rgb(color))
    ctx.move_to(x - ext.x_advance / 2, y)
    ctx.show_text(text)


# --- the studio logo -------------------------------------------------------------

def nembrik(ctx, w, h, t, seconds):
    grow = phase(t, 0.0, 1.0)
    fade_out = 1 - phase(t, seconds - 0.5, seconds)
    cx, cy = w / 2, h * 0.42
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(0.2 + 0.8 * grow, 0.2 + 0.8 * grow)
    ctx.set_line_width(3)
    for k in range(3):
        ctx.save()
        ctx.rotate(k * math.pi / 3 + t * 0.8)
        ctx.scale(1.0, 0.35)
        ctx.arc(0, 0, 70, 0, 2 * math.pi)
        ctx.restore()
        ctx.set_source_rgba(0.4, 0.8, 1.0, fade_out)
        ctx.stroke()
        # An electron racing round each orbit.
        a = t * 4 + k * 2.1
        ex = 70 * math.cos(a)
        ey = 24.5 * math.sin(a)
        r = k * math.pi / 3 + t * 0.8
        ctx.arc(ex * math.cos(r) - ey * math.sin(r), ex * math.sin(r) + ey * math.cos(r), 5, 0, 2 * math.pi)
        ctx.set_source_rgba(1.0, 0.9, 0.3, fade_out)
        ctx.fill()
    ctx.arc(0, 0, 12, 0, 2 * math.pi)
    ctx.set_source_rgba(1.0, 0.4, 0.3, fade_out)
    ctx.fill()
    ctx.restore()
    text_alpha = phase(t, 0.8, 1.6) * fade_out
    ctx.push_group()
    centred(ctx, "NEMBRIK", cx, h * 0.8, 34, "white")
    centred(ctx, "S T U D I O S", cx, h * 0.9, 13, (150, 200, 240), bold=False)
    ctx.pop_group_to_source()
    ctx.paint_with_alpha(text_alpha)


def chime():
    notes = [523.25, 659.25, 783.99, 1046.5]
    parts = [(0.3 + i * 0.18, gain(envelope(tone(f, 1.6), 0.005, 0.5), 0.5)) for i, f in enumerate(notes)]
    return mix(3.0, *parts)


# --- the intro film: the research centre has seen better days ---------------------

def building(ctx, w, h, t, lit_window):
    rect(ctx, w * 0.15, h * 0.3, w * 0.7, h * 0.6, (170, 170, 178))
    for row in range(3):
        for col in range(6):
            x = w * 0.19 + col * w * 0.105
            y = h * 0.36 + row * h * 0.15
            lit = (row, col) == lit_window
            rect(ctx, x, y, w * 0.07, h * 0.09, (250, 230, 120) if lit else (90, 110, 140), width=1)
    rect(ctx, w * 0.44, h * 0.76, w * 0.12, h * 0.14, "door", width=1)
    # The sign, with a letter that has come loose and swings.
    letters = "FORSCHUNGSZENTRUM"
    size = w * 0.042
    x0 = w * 0.5 - len(letters) * size * 0.36
    for i, ch in enumerate(letters):
        ctx.save()
        ctx.translate(x0 + i * size * 0.72, h * 0.27)
        if i == 11:
            ctx.rotate(0.5 + 0.25 * math.sin(t * 5))
        label(ctx, 0, 0, ch, size=size, color=(200, 40, 40), bold=True, font="Liberation Sans")
        ctx.restore()


def research_centre(ctx, w, h, t, seconds):
    sky = cairo.LinearGradient(0, 0, 0, h)
    sky.add_color_stop_rgb(0, 0.35, 0.4, 0.55)
    sky.add_color_stop_rgb(1, 0.7, 0.72, 0.78)
    ctx.set_source(sky)
    ctx.paint()
    # Grey clouds drift by.
    for i in range(4):
        x = (i * 110 + t * 18) % (w + 120) - 60
        ellipse(ctx, x, 20 + i * 9, 50, 14, (120, 124, 134), outline=None)
    zoom = 1 + 1.4 * phase(t, 2.5, seconds - 0.3)
    ctx.save()
    # Zoom towards the boss's lit window on the top floor.
    fx, fy = w * 0.73, h * 0.40
    ctx.translate(fx, fy)
    ctx.scale(zoom, zoom)
    ctx.translate(-fx, -fy)
    rect(ctx, -w, h * 0.9, 3 * w, h, "grass", outline=None)
    building(ctx, w, h, t, (0, 5))
    # The boss's silhouette pacing in his window.
    if t > 2.0:
        px = w * 0.715 + 4 * math.sin(t * 3)
        ellipse(ctx, px + w * 0.02, h * 0.385, 4, 4, (40, 30, 30), outline=None)
        rect(ctx, px + w * 0.012, h * 0.40, 8, 9, (40, 30, 30), outline=None)
    ctx.restore()
    if t < 2.4:
        alpha = phase(t, 0.3, 0.8) * (1 - phase(t, 1.9, 2.4))
        ctx.push_group()
        centred(ctx, "Irgendwo am Stadtrand...", w / 2, h - 12, 14, "white", bold=False)
        ctx.pop_group_to_source()
        ctx.paint_with_alpha(alpha)


# --- the crate falls on the archivist ----------------------------------------------

def archive_room(ctx, w, h):
    rect(ctx, 0, 0, w, h * 0.7, (120, 96, 70), outline=None)
    rect(ctx, 0, h * 0.7, w, h * 0.3, (90, 66, 46), outline=None)
    for s in range(3):
        x = 20 + s * 220
        rect(ctx, x, 60, 170, 250, (140, 100, 60))
        for shelf in range(4):
            y = 80 + shelf * 58
            rect(ctx, x + 6, y + 44, 158, 6, (100, 70, 40), outline=None)
            for b in range(9):
                shade = ((b * 37 + s * 13 + shelf * 7) % 5) * 25
                rect(ctx, x + 10 + b * 17, y + 8, 14, 36, (120 + shade, 60 + shade // 2, 50), width=1)
    rect(ctx, 200, 300, 260, 90, "wood")  # the archivist's desk


def archivist(ctx, x, y, squashed=0.0):
    if squashed >= 1:
        # Only his legs stick out from under the crate.
        rect(ctx, x - 110, y + 140, 42, 12, (60, 60, 90), width=1)
        rect(ctx, x + 68, y + 150, 42, 12, (60, 60, 90), width=1)
        ellipse(ctx, x - 114, y + 146, 8, 7, "ink", outline=None)
        ellipse(ctx, x + 114, y + 156, 8, 7, "ink", outline=None)
        return
    rect(ctx, x - 40, y + 40, 80, 80, (110, 110, 150))
    ellipse(ctx, x, y + 10, 30, 34, "skin")
    ellipse(ctx, x - 10, y + 4, 4, 4, "ink", outline=None)
    ellipse(ctx, x + 10, y + 4, 4, 4, "ink", outline=None)
    ellipse(ctx, x, y + 24, 8, 3 + 6 * squashed, (120, 30, 40))


def crate(ctx, w, h, t, seconds):
    archive_room(ctx, w, h)
    cx = 330
    snap = 1.0
    fall = max(0.0, t - snap)
    crate_y = 40 + min(230.0, 0.5 * 900 * fall * fall)
    landed = crate_y >= 270
    if not landed:
        archivist(ctx, cx, 210, min(0.9, phase(t, 0.9, 1.2)))
    # The rope, whole until the knife cuts it.
    ctx.set_source_rgb(*rgb((200, 180, 120)))
    ctx.set_line_width(3)
    ctx.move_to(cx, 0)
    ctx.line_to(cx, 40 if t < snap else 18)
    ctx.stroke()
    # The knife flies in from the left.
    if t < snap:
        kx = -60 + (cx + 40) * phase(t, 0.1, snap)
        ctx.save()
        ctx.translate(kx, 28)
        rect(ctx, -30, -3, 30, 6, (200, 205, 215), width=1)
        rect(ctx, -44, -4, 14, 8, "door_frame", width=1)
        ctx.restore()
    rect(ctx, cx - 70, crate_y, 140, 100, "wood", width=3)
    ctx.set_source_rgb(*rgb("door_frame"))
    ctx.move_to(cx - 70, crate_y)
    ctx.line_to(cx + 70, crate_y + 100)
    ctx.move_to(cx + 70, crate_y)
    ctx.line_to(cx - 70, crate_y + 100)
    ctx.stroke()
    label(ctx, cx - 40, crate_y + 60, "SILICON", size=16, color="ink", bold=True, font="Liberation Sans")
    if landed:
        archivist(ctx, cx, 210, 1.0)
        since = t - snap - math.sqrt(2 * 230 / 900.0)
        rng = random.Random(7)
        for i in range(14):
            a = rng.uniform(math.pi, 2 * math.pi)
            d = 40 + 160 * phase(since, 0, 1.2)
            ellipse(ctx, cx + math.cos(a) * d * 1.6, 370 + math.sin(a) * d * 0.4, 18 + i, 10 + i / 2,
                    (200, 190, 170), outline=None)
        centred(ctx, "KRACH!", cx, 120, 64, "yellow", font="Comic Neue")


# --- the pigeon and the rat poison ----------------------------------------------------

def pigeon_body(ctx, x, y, green, flap):
    body = tuple(int(a + (b - a) * green) for a, b in zip((150, 150, 165), (90, 200, 80)))
    ellipse(ctx, x, y, 22, 14, body)
    ellipse(ctx, x + 18, y - 12, 9, 9, body)
    ellipse(ctx, x + 21, y - 14, 2, 2, "ink", outline=None)
    ctx.move_to(x + 26, y - 12)
    ctx.line_to(x + 33, y - 10)
    ctx.line_to(x + 26, y - 8)
    ctx.set_source_rgb(*rgb((230, 160, 60)))
    ctx.fill()
    wing = -20 * math.sin(flap)
    ctx.move_to(x - 10, y - 4)
    ctx.line_to(x - 2, y - 4 + wing - 10)
    ctx.line_to(x + 8, y - 4)
    ctx.set_source_rgb(*rgb(body))
    ctx.fill()


def grandma(ctx, x, y):
    rect(ctx, x - 14, y - 10, 28, 44, (150, 60, 90))
    ellipse(ctx, x, y - 20, 11, 12, "skin")
    ellipse(ctx, x, y - 30, 12, 6, "hair_grey")


def pigeon(ctx, w, h, t, seconds):
    sky = cairo.LinearGradient(0, 0, 0, h)
    sky.add_color_stop_rgb(0, *rgb("sky"))
    sky.add_color_stop_rgb(1, 0.85, 0.92, 1.0)
    ctx.set_source(sky)
    ctx.paint()
    rect(ctx, 0, h * 0.62, w, h, "grass", outline=None)
    for i in range(8):
        ellipse(ctx, 130 + i * 9, h * 0.8 + (i % 3) * 2, 1.5, 1.5, "yellow", outline=None)
    green = phase(t, 0.6, 1.6)
    if t < 1.8:
        x, y = 150, h * 0.76 + (3 * math.sin(t * 14) if t < 0.6 else 0)
        flap = 0
    else:
        k = t - 1.8
        x, y = 150 + 50 * k, h * 0.76 - 70 * k - 10 * math.sin(k * 8)
        flap = k * 25
    pigeon_body(ctx, x, y, green, flap)
    if t > 2.3:
        gx = -20 + 140 * (t - 2.3)
        grandma(ctx, gx, h * 0.66 + 3 * math.sin(t * 20))
        if t > 2.6:
            label(ctx, gx + 16, h * 0.5, "Hansi!", size=14, color=(120, 30, 60), bold=True)
    if 0.8 < t < 1.8:
        label(ctx, x - 10, y - 30, "Gurr?", size=13, color="ink", bold=True)


def flutter():
    rng = audio_effects.rng_for("flutter")
    parts = []
    for i in range(14):
        burst = envelope(bandpass(noise(0.06, rng), 900, q=1.5), 0.005, 0.02)
        parts.append((1.8 + i * 0.09, gain(burst, 0.6)))
    parts.append((0.1, gain(envelope(tone(520, 0.25, freq_end=380), 0.02, 0.1), 0.3)))
    return mix(4.0, *parts)


# --- Hubert after the explosion ---------------------------------------------------------

def sooty_hubert(ctx, w, h, t, seconds):
    rect(ctx, 0, 0, w, h, (90, 80, 70), outline=None)
    rng = random.Random(3)
    cx, cy = w / 2, h * 0.55
    # Smoke curls rising from his hair.
    for i in range(6):
        rise = (t * 40 + i * 30) % 180
        ellipse(ctx, cx - 60 + i * 24 + 10 * math.sin(t * 2 + i), cy - 170 - rise, 16 + rise / 10, 12 + rise / 12,
                (150, 150, 150), outline=None)
    for i in range(16):
        a = -math.pi + i * math.pi / 15
        ctx.move_to(cx + 90 * math.cos(a), cy - 60 + 90 * math.sin(a))
        ctx.line_to(cx + 150 * math.cos(a), cy - 60 + 150 * math.sin(a) - rng.uniform(0, 20))
    ctx.set_source_rgb(*rgb((30, 28, 26)))
    ctx.set_line_width(8)
    ctx.stroke()
    rect(ctx, cx - 120, cy + 90, 240, 200, (60, 55, 50))
    ellipse(ctx, cx, cy - 20, 110, 130, (45, 40, 38))
    blink = 0.4 < (t % 1.4) < 0.55
    for dx in (-40, 40):
        if blink:
            ctx.set_source_rgb(1, 1, 1)
            ctx.set_line_width(4)
            ctx.move_to(cx + dx - 20, cy - 40)
            ctx.line_to(cx + dx + 20, cy - 40)
            ctx.stroke()
        else:
            ellipse(ctx, cx + dx, cy - 40, 22, 26, "white", outline=None)
            ellipse(ctx, cx + dx + 4 * math.sin(t * 3), cy - 36, 8, 10, "ink", outline=None)
    cough = (t % 1.5) > 1.1
    ellipse(ctx, cx, cy + 50, 30, 8 + (14 if cough else 0), (150, 40, 50))
    if cough:
        ellipse(ctx, cx + 70, cy + 40, 30, 18, (170, 170, 170), outline=None)
        label(ctx, cx + 90, cy + 10, "Hust!", size=28, color="white", bold=True)


def cough():
    rng = audio_effects.rng_for("cough")
    parts = []
    for start in (1.1, 2.6):
        for k in range(2):
            burst = envelope(bandpass(noise(0.16, rng), 500, q=1.2), 0.01, 0.06)
            parts.append((start + k * 0.2, burst))
    return mix(3.0, *parts)


# --- the ending: money flutters out of the basement ------------------------------------

def banknote(ctx, x, y, angle, value):
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(angle)
    ctx.scale(1.0, 0.6 + 0.4 * abs(math.cos(angle * 3)))
    rect(ctx, -30, -15, 60, 30, (150, 210, 150), outline=(40, 90, 50), width=1.5)
    ellipse(ctx, -12, 0, 9, 10, (200, 235, 200), outline=(40, 90, 50), width=1)
    label(ctx, 4, 7, str(value), size=14, color=(30, 80, 40), bold=True, font="Liberation Sans")
    ctx.restore()


def money_rain(ctx, w, h, t, seconds):
    night = cairo.LinearGradient(0, 0, 0, h)
    night.add_color_stop_rgb(0, 0.05, 0.06, 0.2)
    night.add_color_stop_rgb(1, 0.15, 0.15, 0.3)
    ctx.set_source(night)
    ctx.paint()
    rect(ctx, 80, 60, 480, 300, (110, 110, 120))
    rect(ctx, 0, h - 50, w, 50, (40, 70, 40), outline=None)
    rect(ctx, 270, h - 90, 100, 36, (250, 230, 120))  # the lit basement window
    rng = random.Random(11)
    for i in range(40):
        born = rng.uniform(0, seconds - 1.0)
        if t < born:
            continue
        k = t - born
        x = 320 + rng.uniform(-40, 40) + rng.uniform(-120, 120) * k + 20 * math.sin(k * 3 + i)
        y = h - 75 - rng.uniform(90, 160) * k
        banknote(ctx, x, y, k * rng.uniform(-2, 2), rng.choice((5, 10, 100)))
    alpha = phase(t, seconds - 2.0, seconds - 1.0)
    ctx.push_group()
    centred(ctx, "Der Zweistein-Taler ist geboren.", w / 2, 40, 26, "yellow", font="Comic Neue")
    ctx.pop_group_to_source()
    ctx.paint_with_alpha(alpha)
