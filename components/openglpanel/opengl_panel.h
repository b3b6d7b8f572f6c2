#pragma once
// TOpenGLPanel: a widget that draws on a native surface of its own with one OpenGL
// rendering context, chooses its pixel format from published properties and calls the
// application's events with the context current. Child widgets (in-window panels) show
// on top of the drawing. The panel never takes the keyboard focus.

#include "components/openglpanel/gl_platform.h"

#include <QFont>
#include <QWidget>

#include <memory>

struct OpenGLFont2D;
struct OpenGLFont3D;
class PanelSurface;
class QPrinter;

class TOpenGLPanel : public QWidget {
  Q_OBJECT

 public:
  enum TPFDPixelTypes { f_PFD_TYPE_RGBA, f_PFD_TYPE_COLORINDEX };
  Q_ENUM(TPFDPixelTypes)
  // Member n is bit n of the set.
  enum TPFDFlags {
    f_PFD_DRAW_TO_WINDOW = 1 << 0,
    f_PFD_DRAW_TO_BITMAP = 1 << 1,
    f_PFD_SUPPORT_GDI = 1 << 2,
    f_PFD_SUPPORT_OPENGL = 1 << 3,
    f_PFD_GENERIC_ACCELERATED = 1 << 4,
    f_PFD_GENERIC_FORMAT = 1 << 5,
    f_PFD_NEED_PALETTE = 1 << 6,
    f_PFD_NEED_SYSTEM_PALETTE = 1 << 7,
    f_PFD_DOUBLEBUFFER = 1 << 8,
    f_PFD_STEREO = 1 << 9,
    f_PFD_SWAP_LAYER_BUFFERS = 1 << 10,
  };
  Q_DECLARE_FLAGS(TPFDFlagSet, TPFDFlags)
  Q_FLAG(TPFDFlagSet)
  enum TOpenGLSwapBuffers { Auto, Manual };
  Q_ENUM(TOpenGLSwapBuffers)
  enum TOpenGLPrintScale { pglNone, pglPrintToFit, pglProportional };
  Q_ENUM(TOpenGLPrintScale)
  enum TFont3DFormat { f_WGL_FONT_LINES, f_WGL_FONT_POLYGONS };
  Q_ENUM(TFont3DFormat)

  Q_PROPERTY(TPFDPixelTypes PixelType READ PixelType WRITE SetPFDPixelType)
  Q_PROPERTY(TPFDFlagSet PFDFlags READ PFDFlags WRITE SetPFDFlags)
  Q_PROPERTY(uchar cColorBits READ cColorBits WRITE SetPFDNumColorBits)
  Q_PROPERTY(uchar cDepthBits READ cDepthBits WRITE SetPFDNumDepthBits)
  Q_PROPERTY(TOpenGLSwapBuffers GLSwapBuffers MEMBER FGLSwapBuffers)
  Q_PROPERTY(int PixelsPerInch MEMBER FPixelsPerInch)
  Q_PROPERTY(TOpenGLPrintScale PrintScale MEMBER FPrintScale)
  Q_PROPERTY(bool Font3D_Enabled MEMBER FFont3D_Enabled)
  Q_PROPERTY(QFont Font3D_Type READ Font3D_Type WRITE SetFont3DType)
  Q_PROPERTY(int Font3D_FirstGylph MEMBER FFont3D_FirstGylph)
  Q_PROPERTY(int Font3D_NumGylph MEMBER FFont3D_NumGylph)
  Q_PROPERTY(float Font3D_MaxDeviation MEMBER FFont3D_MaxDeviation)
  Q_PROPERTY(float Font3D_Extrustion MEMBER FFont3D_Extrustion)
  Q_PROPERTY(TFont3DFormat Font3D_Format READ Font3D_Format WRITE SetFont3DFormat)
  Q_PROPERTY(bool Font2D_Enabled MEMBER FFont2D_Enabled)
  Q_PROPERTY(QFont Font2D_Type READ Font2D_Type WRITE SetFont)
  Q_PROPERTY(int Font2D_FirstGylph MEMBER FFont2D_FirstGylph)
  Q_PROPERTY(int Font2D_NumGylph MEMBER FFont2D_NumGylph)

  explicit TOpenGLPanel(QWidget* parent = nullptr);
  // For tests: the panel talks to `platform` instead of Qt's OpenGL.
  TOpenGLPanel(std::unique_ptr<GLPlatform> platform, QWidget* parent = nullptr);
  ~TOpenGLPanel() override;

  TPFDPixelTypes PixelType() const { return FPixelType; }
  void SetPFDPixelType(TPFDPixelTypes value);
  TPFDFlagSet PFDFlags() const { return FPFDFlags; }
  void SetPFDFlags(TPFDFlagSet value);
  uchar cColorBits() const { return FcColorBits; }
  void SetPFDNumColorBits(uchar value) { FcColorBits = value; }
  uchar cDepthBits() const { return FcDepthBits; }
  void SetPFDNumDepthBits(uchar value) { FcDepthBits = value; }
  TFont3DFormat Font3D_Format() const { return FFont3D_Format; }
  // Takes effect at the next Create3DFont(); fonts already built are unchanged.
  void SetFont3DFormat(TFont3DFormat value);
  const QFont& Font3D_Type() const { return FFont3D_Type; }
  // The two font writers copy the font's attributes; the panel never adopts the object.
  void SetFont3DType(const QFont& font);
  const QFont& Font2D_Type() const { return FFont2D_Type; }
  void SetFont(const QFont& font);

  bool CreateGLContext();
  void DestroyGLContext();
  void MakeOpenGLPanelCurrent();
  void MakeOpenGLPanelNotCurrent();
  void SwapBuffers();
  bool PanelShareLists(TOpenGLPanel* other);

  // Fonts and text, with the panel's context current. The overloads with arguments
  // return a new font owned by the caller (destroy it with DestroyFont while a context
  // is current), or null for a null font or when no lists can be had. Those without
  // rebuild or use the panel's own fonts, made from the Font3D_ and Font2D_ properties.
  OpenGLFont3D* Create3DFont(const QFont* font, std::int32_t first, std::int32_t count,
                             float deviation, float extrusion, std::int32_t format);
  void Create3DFont();
  OpenGLFont2D* Create2DFont(const QFont* font, std::int32_t first, std::int32_t count);
  void Create2DFont();
  // A text draws nothing when any of its characters is outside the font's range.
  void Draw3DText(const OpenGLFont3D* font, const char* text);
  void Draw3DText(const char* text);
  // Drawn from the current raster position.
  void Draw2DText(const OpenGLFont2D* font, const char* text);
  void Draw2DText(const char* text);
  // size[0..2] <- width, height and depth, in the font's em units.
  void Get3DTextSize(const OpenGLFont3D* font, const char* text, double* size);
  void Get3DTextSize(const char* text, double* size);

  // What the panel shows right after a fresh paint, child widgets over the drawing
  // included; a null image when the panel has no area.
  QImage Capture();
  // Print or save that picture. Printing puts it on one page of `printer` by PrintScale;
  // saving writes a BMP file and throws PanelFileError when the file cannot be written.
  void PrintOpenGLPanel(QPrinter& printer);
  void SaveOpenGLPanelToFile(const QString& fileName);

  // Whether panels can have contexts on this system; if not, shows the message of a
  // failed creation. Ask before showing a window that holds a panel: Qt cannot compose
  // such a window without OpenGL. The second form asks `platform`, for tests.
  static bool OpenGLAvailable();
  static bool OpenGLAvailable(GLPlatform& platform);

  // Bits per pixel of the primary screen.
  static int GetDisplayBPP();
  // True when the display's colour depth changed; Qt offers no such change.
  static bool SetDisplayBPP(int bitsPerPixel);
  // Whether the current OpenGL context offers the extension; false without a context.
  static bool QueryOpenGLExtention(const char* name);

  // The native window the panel draws on.
  QWindow* DrawingSurface() const;
  HDC DeviceContext() const { return FDeviceContext; }
  HGLRC RenderingContext() const { return FRenderingContext; }
  HPALETTE Palette() const { return FPalette; }
  bool DoubleBuffered() const { return FDoubleBuffered; }

  // The descriptor the next CreateGLContext requests.
  PIXELFORMATDESCRIPTOR RequestedPixelFormat() const;

 public slots:
  // Paints and shows the picture before it returns, when the surface is on screen.
  void repaint();

 signals:
  void OnInit(QObject* sender);
  void OnPreInit(QObject* sender);
  void OnResize(QObject* sender);
  void OnPaint(QObject* sender);
  // The pointer over the drawing, at `position` in the panel's pixels: a button
  // pressed, a move with `buttons` held, the wheel turned by `delta` eighths of a
  // degree (120 a notch, positive away from the user).
  void OnMouseDown(QObject* sender, Qt::MouseButton button, QPoint position);
  void OnMouseMove(QObject* sender, Qt::MouseButtons buttons, QPoint position);
  void OnMouseWheel(QObject* sender, int delta);

 protected:
  // A palette message: the window that changed the system palette, and the answer.
  struct TMessage {
    HWND Window = nullptr;
    qintptr Result = 0;
  };

  void CreateParams();
  void WMCreate();
  void WMDestroy();
  void Paint();
  void Resize();
  void WMQueryNewPalette(TMessage& message);
  void WMPaletteChanged(TMessage& message);
  bool ConstructPalette(const PIXELFORMATDESCRIPTOR& pfd);

  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class PanelSurface;
  // From the surface: shown or uncovered (creates the context the first time),
  // resized, and about to lose its native window (the context goes with it).
  void SurfaceExposed();
  void SurfaceResized();
  void SurfaceDestroyed();

  template <typename Signal>
  bool IsBound(Signal signal) const;
  bool MakeCurrentOrReport();
  void MakeNotCurrent();
  void ShowWithError(const char* prefix);
  void ReadDrawing(QImage& drawing);
  bool ReleaseDeviceContext();
  void DeletePalette();

  std::unique_ptr<GLPlatform> FPlatform;
  PanelSurface* FSurface;
  QWidget* FContainer;
  bool FWindowCreated = false;
  QImage* FCapture = nullptr;  // the paint's picture is read into it
  HDC FDeviceContext{};
  HGLRC FRenderingContext{};
  HPALETTE FPalette{};
  TPFDFlagSet FPFDFlags;
  bool FDoubleBuffered = false;
  TPFDPixelTypes FPixelType = f_PFD_TYPE_RGBA;
  std::uint8_t FPFDPixelType = 0;
  std::uint8_t FcColorBits = 32;
  std::uint8_t FcDepthBits = 32;
  TOpenGLSwapBuffers FGLSwapBuffers = Auto;
  TOpenGLPrintScale FPrintScale = pglProportional;
  int FPixelsPerInch = 96;
  bool FFont3D_Enabled = false;
  QFont FFont3D_Type;
  int FFont3D_FirstGylph = 32;
  int FFont3D_NumGylph = 96;
  float FFont3D_MaxDeviation = 0.0f;
  float FFont3D_Extrustion = 0.1f;
  TFont3DFormat FFont3D_Format = f_WGL_FONT_POLYGONS;
  int FWGLFontFormat = 1;
  OpenGLFont3D* FFont3D = nullptr;
  bool FFont2D_Enabled = false;
  QFont FFont2D_Type;
  int FFont2D_FirstGylph = 32;
  int FFont2D_NumGylph = 96;
  OpenGLFont2D* FFont2D = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TOpenGLPanel::TPFDFlagSet)
