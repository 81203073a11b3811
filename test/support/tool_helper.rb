# Running the command-line tool from the tests. The tool is the one CMake
# built (NOXBIN2XML_TOOL, set by ctest), else build/noxbin2xml.
require "open3"
require "tmpdir"
require "fileutils"

module ToolHelper
  TOOL = ENV["NOXBIN2XML_TOOL"] || File.expand_path("../../build/noxbin2xml", __dir__)
  SAMPLES = File.expand_path("../../samples", __dir__)
  # What the tool joins the paths it makes with: "\\" on Windows.
  SEPARATOR = File::ALT_SEPARATOR || File::SEPARATOR

  def setup
    super
    skip "the noxbin2xml tool is not built (#{TOOL})" unless File.executable?(TOOL)
  end

  # Skips the rest of a test where Windows lacks what it needs.
  def skip_on_windows(lacks)
    skip "Windows has #{lacks}" if Gem.win_platform?
  end

  # Under wine, starting a process now and then fails with EINVAL on a busy
  # machine before the tool runs at all; such a start is tried again.
  SPAWN_ATTEMPTS = ENV["WINEPREFIX"] ? 3 : 1

  # [stdout, stderr, exit status] as binary strings and an integer.
  def run_tool(*args, stdin: nil)
    attempts = 0
    begin
      out, err, status = Open3.capture3(TOOL, *args.map(&:to_s), stdin_data: stdin, binmode: true)
    rescue Errno::EINVAL
      attempts += 1
      retry if attempts < SPAWN_ATTEMPTS
      raise
    end
    [out.b, err, status.exitstatus]
  end

  def sample(*parts)
    File.join(SAMPLES, *parts)
  end
  def samples_in(folder, pattern = "*.rec")
    Dir[File.join(SAMPLES, folder, pattern)].sort
  end

  # The type a sample's name ends in: "bump-3.rec" is 3.
  def type_of(path)
    Integer(File.basename(path, ".*")[/-(\d+)\z/, 1])
  end

  # The record as the host holds it: an array of byte values.
  def byte_array(path)
    File.binread(path).bytes
  end
end
