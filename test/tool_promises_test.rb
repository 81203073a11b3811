require "minitest/autorun"
require "io/console"
require "pty"
require_relative "support/tool_helper"
require_relative "support/records"

# The tool's promises under hostile files, signals and odd names: one test
# each, on real files, links and FIFOs in a temporary folder.
class ToolPromisesTest < Minitest::Test
  include ToolHelper

  def in_tmp(&block)
    Dir.mktmpdir { |dir| Dir.chdir(dir, &block) }
  end
  def copy(from, to)
    FileUtils.mkdir_p(File.dirname(to)) && FileUtils.cp(sample(from), to)
  end
  def material(name, brdfs = 1)
    Records.layered(name, *[Records.diffuse([0.5, 0.5, 0.5])] * brdfs)[1].pack("C*")
  end
  def dot_files(dir)
    Dir.glob("#{dir}/**/.*").reject { |f| %w[. ..].include?(File.basename(f)) }
  end

  def test_outputs_are_planned_and_never_replace_an_input
    in_tmp do
      %w[d1/x-2.rec d2/x-2.rec d3/X-2.rec].each { |f| copy("lights/omni-2.rec", f) }
      File.binwrite("d2/x-2.rec", File.binread(sample("lights/spot-4.rec"))) # same name, another light
      _, err, status = run_tool("light", "auto", "d1/x-2.rec", "d2/x-2.rec", "d3/X-2.rec", "-o", "out")
      assert_equal 1, status
      assert_includes err, "d2/x-2.rec: its output out/x-2.xml is already the output of d1/x-2.rec\n"
      # one file where Windows and macOS ignore case
      assert_includes err, "d3/X-2.rec: its output out/X-2.xml is already the output of d1/x-2.rec " \
                           "(the names differ only in letter case)"
      assert_equal run_tool("light", "2", "d1/x-2.rec").first, File.binread("out/x-2.xml")

      copy("scenes/kind2-library.rec", "sc/options.xml")
      _, err, status = run_tool("scene", "sc/options.xml", "-o", "sc")
      assert_equal [1, true], [status, err.include?("sc/options.xml would replace an input")]
      assert_equal File.binread(sample("scenes/kind2-library.rec")), File.binread("sc/options.xml")
    end
  end

  def test_each_input_fails_on_its_own_and_only_regular_files_are_read
    in_tmp do
      copy("lights/omni-2.rec", "in/sub/good-2.rec")
      File.mkfifo("in/pipe-2.rec")
      File.mkfifo("fifo-2.rec")
      File.open("huge-2.rec", "w") { |f| f.truncate(300 << 20) } # sparse: nothing is read
      _, err, status = run_tool("light", "auto", "missing-2.rec", "fifo-2.rec", "/dev/zero", "huge-2.rec", "in",
                                "-o", "out")
      assert_equal 1, status
      ["missing-2.rec: no such file or folder", "fifo-2.rec: not a regular file but a FIFO",
       "/dev/zero: not a regular file but a device", "in/pipe-2.rec: not a regular file but a FIFO",
       "huge-2.rec: the file is 300 MB, more than the 256 MB an input may have",
       "1 converted, 5 failed"].each { |line| assert_includes err, line }
      assert_equal ["out/sub/good-2.xml"], Dir["out/**/*.xml"]
      _, err, = Open3.capture3("sh", "-c", "head -c 300000000 /dev/zero | \"$0\" light 2", TOOL) # an endless stream
      assert_includes err, "more than the 256 MB an input may have"
    end
  end

  def test_document_size_limit_fails_one_input
    in_tmp do
      File.binwrite("wide-1.rec", material("N" * 100_000, 20)) # every BRDF's URL repeats the name
      copy("materials/layered-1.rec", "small-1.rec")
      _, err, status = run_tool("material", "auto", "wide-1.rec", "small-1.rec", "-o", "out", "--max-document", "1")
      assert_equal 1, status
      assert_includes err, "wide-1.rec: document would exceed 1 MB"
      assert_equal ["small-1.xml"], Dir.children("out")
    end
  end

  def test_stop_signals_remove_temporary_files_and_staging_folders
    in_tmp do
      300.times { |i| copy("scenes/kind6-current.rec", "in/s#{i}.rec") } # seconds of work
      { "INT" => 130, "TERM" => 143 }.each do |signal, code|
        FileUtils.rm_rf("out")
        pid = spawn(TOOL, "scene", "in", "-o", "out", "-q", out: File::NULL)
        sleep 0.01 until Dir.exist?("out") && Dir.children("out").size > 2
        Process.kill(signal, pid)
        assert_equal code, Process.wait2(pid).last.exitstatus, signal
        assert_empty dot_files("out"), signal
      end
    end
  end

  def test_output_option_means_what_users_expect
    in_tmp do
      omni = run_tool("light", "2", sample("lights/omni-2.rec")).first
      assert_equal 0, run_tool("light", "2", sample("lights/omni-2.rec"), "-o", "new/").last
      assert_equal omni, File.binread("new/omni-2.xml")

      File.write("target.xml", "old")
      File.symlink("target.xml", "link.xml")
      run_tool("light", "2", sample("lights/omni-2.rec"), "-o", "link.xml")
      assert_equal [true, omni], [File.symlink?("link.xml"), File.binread("target.xml")]

      File.mkfifo("pipe.xml")
      reader = Thread.new { File.binread("pipe.xml") }
      run_tool("light", "2", sample("lights/omni-2.rec"), "-o", "pipe.xml")
      assert_equal [omni, "fifo"], [reader.value, File.ftype("pipe.xml")]

      _, err, status = run_tool("light", "auto", sample("lights/omni-2.rec"), sample("lights/spot-4.rec"),
                                "-o", "target.xml/out")
      assert_equal [1, "noxbin2xml: cannot create the output folder target.xml/out: Not a directory\n"], [status, err]
    end
  end

  def test_malformed_documents_are_noted_refused_or_repaired
    in_tmp do
      File.binwrite("quote-1.rec", material('a"b'))
      exact, err, status = run_tool("material", "1", "quote-1.rec")
      assert_equal 0, status
      assert_includes exact, 'url="/a"b/BRDFDiffuse"'
      assert_includes err, "warning: the document is not well-formed XML: line 2: a quotation mark in: /a\"b/"

      _, err, status = run_tool("material", "1", "quote-1.rec", "--strict")
      assert_equal [1, true], [status, err.include?("the document would not be well-formed XML: line 2")]

      repaired, err, = run_tool("material", "1", "quote-1.rec", "--well-formed")
      assert_equal exact.gsub('url="/a"b', 'url="/a&quot;b'), repaired # a quotation mark is fine in text
      assert_equal 2, err.scan("repaired line").size
    end
  end

  def test_manners
    version = File.read(File.expand_path("../ext/noxbin2xml/Version.h", __dir__))[/"(.+)"/, 1]
    assert_equal "noxbin2xml #{version}\n", run_tool("--version").first
    _, err, status = run_tool("lihgt", "2")
    assert_equal [2, "noxbin2xml: unknown command 'lihgt' (light, material, scene or explain)\n"], [status, err]
    _, err, status = run_tool("light", "auto", stdin: "")
    assert_equal [2, true], [status, err.include?("standard input has none")]

    omni = run_tool("light", "2", sample("lights/omni-2.rec")).first
    paste = "\xEF\xBB\xBF=> #{File.binread(sample('lights/omni-2.rec')).bytes}\nnil\n"
    assert_equal omni, run_tool("light", "2", stdin: paste).first

    in_tmp do
      12.times { |i| copy("lights/omni-2.rec", "in/o#{i}-2.rec") }
      assert_equal ["", ""], run_tool("-q", "light", "auto", "in", "-o", "out")[0, 2]
      assert_equal 12, run_tool("light", "auto", "in", "-o", "out", "-v").first.scan("-> out/").size
      screen = terminal_output(40, "light", "auto", "in", "-o", "out")
      assert_includes screen, "] 11/12 o9-2.rec"
      assert screen.split(/\r\n?/).all? { |line| line.size < 40 }, screen
    end
    assert_includes terminal_output(80, "light", "2", stdin_eof: true), "reading a record from the terminal"
  end

  # What the tool shows on a terminal of the given width.
  def terminal_output(columns, *args, stdin_eof: false)
    PTY.open do |terminal, tty|
      terminal.winsize = [24, columns]
      pid = spawn(TOOL, *args, in: tty, out: tty, err: tty)
      tty.close
      sleep 0.2 if stdin_eof
      terminal.write("\x04") if stdin_eof
      screen = +""
      begin
        loop { screen << terminal.readpartial(4096) }
      rescue EOFError, Errno::EIO # the tool closed the terminal
      end
      Process.wait(pid)
      screen
    end
  end
end
